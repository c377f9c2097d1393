#include "AppScreens.h"

#include "AboutForm.h"
#include "ChooseAList.h"
#include "Error.h"
#include "First.h"
#include "MessageBox.h"
#include "ScreenManager.h"

#include <QDir>
#include <QFile>

void registerAppScreens(ScreenManager &manager)
{
    manager.registerScreen(ScreenId::First, [] { return new First; });
    manager.registerScreen(ScreenId::AboutForm, [] { return new AboutForm; });
    manager.registerScreen(ScreenId::ChooseAList, [] { return new ChooseAList; });
    manager.registerScreen(ScreenId::Error, [] { return new Error; });
}

bool dataFilesPresent()
{
    const QDir folder = QDir::current();
    for (const QString &name : {QStringLiteral("thelists.dat"), QStringLiteral("lsdata.dat")}) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            MsgBox(QStringLiteral("Lingo-Spark cannot start: the file \"%1\" is missing or cannot be read in the folder\n%2\n\n"
                                  "Start Lingo-Spark from its program folder, or copy the file there again.")
                       .arg(name, QDir::toNativeSeparators(folder.absolutePath())),
                   QStringLiteral("Lingo-Spark"));
            return false;
        }
    }
    return true;
}
