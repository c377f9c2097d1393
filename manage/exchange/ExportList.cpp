#include "ExportList.h"

#include "ExchangeDialogs.h"
#include "ExchangeFiles.h"
#include "ListExport.h"
#include "app/ListChooser.h"

#include "app/Controls.h"
#include "app/MessageBox.h"
#include "app/ScreenManager.h"
#include "app/Twips.h"
#include "languages/ListLanguages.h"
#include "manage/TeacherChooser.h"

#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>

ExportList::ExportList()
    : Screen(ScreenId::ExportList)
{
    setWindowTitle(tr("Export a List"));
    setClientSizeTwips(6360, 5280);

    QLabel *prompt = makeLabel(area(), tr("Choose the list to export, then click \"Export...\". "
                                          "A .csv file opens in spreadsheets; a .kvtml file in "
                                          "vocabulary programs."));
    placeTw(prompt, 360, 240, 5640, 855);
    setPointSize(prompt, 10, false);

    TheLists = new QListWidget(area());
    TheLists->setAccessibleName(tr("Lists"));
    prompt->setBuddy(TheLists);
    placeTw(TheLists, 360, 1320, 3600, 3600);

    Export = new QPushButton(tr("Export..."), area());
    Finished = new QPushButton(tr("Finished"), area());
    placeTw(Export, 4320, 1320, 1695, 495);
    placeTw(Finished, 4320, 4425, 1695, 495);
    Finished->setAutoDefault(true);
    setDefaultButton(Export);
    connect(Export, &QPushButton::clicked, this, &ExportList::Export_Click);
    connect(Finished, &QPushButton::clicked, this, &ExportList::Finished_Click);
    connect(TheLists, &QListWidget::itemDoubleClicked, this, &ExportList::Export_Click);
}

void ExportList::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    loadTeacherListChooser(TheLists, this);
}

void ExportList::Export_Click()
{
    const auto list = exchange::takeChosenList(TheLists, this);
    if (!list)
        return;
    const QString &name = list->name;
    const WordPairs &pairs = list->pairs;
    const QString suggested =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(name + QStringLiteral(".csv"));
    QString path = exchange::chooseFile(this, exchange::FileDialog::Save, windowTitle(), suggested,
                                        tr("CSV for spreadsheets (*.csv);;KVTML vocabulary (*.kvtml)"));
    if (path.isEmpty())
        return;
    if (!exportFormatFor(path))
        path += QStringLiteral(".csv");

    QByteArray bytes;
    if (exportFormatFor(path) == ExportFormat::Kvtml) {
        const KvtmlBytes kvtml = kvtmlBytes(name, pairs, languages::ofList(name));
        if (!kvtml.ok()) {
            MsgBox(tr("%1\n\nNothing was written.").arg(refusalText(kvtml)), windowTitle(), MsgButtons::Ok, this);
            return;
        }
        bytes = kvtml.bytes;
    } else {
        bytes = csvBytes(pairs);
    }
    if (const QString error = exchange::saveBytes(path, bytes); !error.isEmpty()) {
        MsgBox(error, windowTitle(), MsgButtons::Ok, this);
        return;
    }
    MsgBox(tr("The %n word(s) of \"%1\" were written to %2.", nullptr, int(pairs.size()))
               .arg(name, QDir::toNativeSeparators(path)),
           windowTitle(), MsgButtons::Ok, this);
}

QString ExportList::refusalText(const KvtmlBytes &refused)
{
    switch (refused.refusal) {
    case KvtmlBytes::Refusal::None:
        break;
    case KvtmlBytes::Refusal::ControlInPair:
        return tr("Pair %1 (\"%2\" = \"%3\") holds the control character U+%4, which a KVTML file "
                  "cannot carry.")
            .arg(refused.pairNumber)
            .arg(refused.pair.word, refused.pair.meaning)
            .arg(QString::number(refused.character, 16).toUpper().rightJustified(4, QLatin1Char('0')));
    case KvtmlBytes::Refusal::ControlInName:
        return tr("The list name holds a control character, which a KVTML file cannot carry.");
    }
    return {};
}

void ExportList::Finished_Click()
{
    screens().show(ScreenId::Manager);
    screens().close(ScreenId::ExportList);
}

void ExportList::Form_Terminate()
{
    Finished_Click();
}

void ExportList::escapePressed()
{
    Finished_Click();
}
