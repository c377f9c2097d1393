#include "PrintList.h"

#include "ExchangeDialogs.h"
#include "ExchangeFiles.h"
#include "app/ListChooser.h"

#include "app/Controls.h"
#include "app/MessageBox.h"
#include "app/ScreenManager.h"
#include "app/Twips.h"
#include "manage/TeacherChooser.h"

#include <QDir>
#include <QGroupBox>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>

PrintList::PrintList()
    : Screen(ScreenId::PrintList)
{
    setWindowTitle(tr("Print a List"));
    setClientSizeTwips(7560, 5640);

    QLabel *prompt = makeLabel(area(), tr("Choose the list to print as a worksheet:"));
    placeTw(prompt, 360, 240, 6840, 375);
    setPointSize(prompt, 10, false);

    TheLists = new QListWidget(area());
    TheLists->setAccessibleName(tr("Lists"));
    prompt->setBuddy(TheLists);
    placeTw(TheLists, 360, 720, 3600, 4560);

    auto *frame = new QGroupBox(tr("Leave empty for a test"), area());
    placeTw(frame, 4200, 720, 3000, 1560);
    KeepBoth = new QRadioButton(tr("Nothing"), frame);
    BlankMeanings = new QRadioButton(tr("The meanings"), frame);
    BlankWords = new QRadioButton(tr("The words"), frame);
    placeTw(KeepBoth, 180, 330, 2700, 315);
    placeTw(BlankMeanings, 180, 720, 2700, 315);
    placeTw(BlankWords, 180, 1110, 2700, 315);
    KeepBoth->setChecked(true);

    Print = new QPushButton(tr("Print..."), area());
    SavePdf = new QPushButton(tr("Save as PDF..."), area());
    Finished = new QPushButton(tr("Finished"), area());
    placeTw(Print, 4200, 2520, 3000, 495);
    placeTw(SavePdf, 4200, 3120, 3000, 495);
    placeTw(Finished, 4200, 4785, 3000, 495);
    for (QPushButton *button : {SavePdf, Finished})
        button->setAutoDefault(true);
    setDefaultButton(Print);
    connect(Print, &QPushButton::clicked, this, &PrintList::Print_Click);
    connect(SavePdf, &QPushButton::clicked, this, &PrintList::SavePdf_Click);
    connect(Finished, &QPushButton::clicked, this, &PrintList::Finished_Click);
}

void PrintList::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    loadTeacherListChooser(TheLists, this);
}

worksheet::Blank PrintList::blank() const
{
    if (BlankMeanings->isChecked())
        return worksheet::Blank::Meaning;
    if (BlankWords->isChecked())
        return worksheet::Blank::Word;
    return worksheet::Blank::None;
}

void PrintList::Print_Click()
{
    const auto list = exchange::takeChosenList(TheLists, this);
    if (!list)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(worksheet::paperFor(QLocale::system())));
    printer.setDocName(list->name);
    if (!exchange::choosePrinter(this, printer))
        return;
    worksheet::render(printer, list->name, list->pairs, blank());
}

void PrintList::SavePdf_Click()
{
    const auto list = exchange::takeChosenList(TheLists, this);
    if (!list)
        return;
    const QString suggested =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(list->name + QStringLiteral(".pdf"));
    QString path = exchange::chooseFile(this, exchange::FileDialog::Save, tr("Save as PDF"), suggested,
                                        tr("PDF documents (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    if (const QString error = worksheet::savePdf(path, list->name, list->pairs, blank()); !error.isEmpty()) {
        MsgBox(error, windowTitle(), MsgButtons::Ok, this);
        return;
    }
    MsgBox(tr("The worksheet of \"%1\" was saved as %2.").arg(list->name, QDir::toNativeSeparators(path)),
           windowTitle(), MsgButtons::Ok, this);
}

void PrintList::Finished_Click()
{
    screens().show(ScreenId::Manager);
    screens().close(ScreenId::PrintList);
}

void PrintList::Form_Terminate()
{
    Finished_Click();
}

void PrintList::escapePressed()
{
    Finished_Click();
}
