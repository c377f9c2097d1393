#include "ClassProgress.h"

#include "TeacherChooser.h"

#include "app/Controls.h"
#include "app/MessageBox.h"
#include "app/ScreenManager.h"
#include "app/Twips.h"
#include "app/core/SharedState.h"
#include "manage/exchange/ExchangeDialogs.h"
#include "manage/exchange/ExchangeFiles.h"
#include "manage/exchange/Worksheet.h"

#include <QDir>
#include <QHeaderView>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>

namespace {

// Functions, not constants: a translation is only known once the program runs.
QStringList pupilTitles()
{
    return {ClassProgress::tr("Pupil"), ClassProgress::tr("Right"), ClassProgress::tr("Wrong"),
            ClassProgress::tr("Share right")};
}

QStringList missedTitles()
{
    return {ClassProgress::tr("Word"), ClassProgress::tr("Meaning"), ClassProgress::tr("Pupils who missed it")};
}

// Whole percent, rounded down in integer arithmetic as the quiz's score
// is: 2 right of 3 is 66%.
QString share(const progress::PupilRow &pupil)
{
    const int answers = pupil.right + pupil.wrong;
    return QStringLiteral("%1%").arg(answers > 0 ? pupil.right * 100 / answers : 0);
}

// The same cells on the screen, on paper and in no other order.
worksheet::Table pupilTable(const progress::ListRows &rows)
{
    worksheet::Table table{pupilTitles(), {}};
    for (const progress::PupilRow &pupil : rows.pupils)
        table.rows.append({pupil.account, QString::number(pupil.right), QString::number(pupil.wrong), share(pupil)});
    return table;
}

worksheet::Table missedTable(const progress::ListRows &rows)
{
    worksheet::Table table{missedTitles(), {}};
    for (const progress::MissedRow &missed : rows.missed)
        table.rows.append({missed.pair.word, missed.pair.meaning, QString::number(missed.pupils)});
    return table;
}

// Counts read right-aligned, as in a spreadsheet; stored text as the view
// lays out its direction.
void fillTable(QTableWidget *view, const worksheet::Table &table, int firstNumber)
{
    view->setRowCount(int(table.rows.size()));
    for (int r = 0; r < table.rows.size(); ++r) {
        for (int c = 0; c < table.titles.size(); ++c) {
            auto *item = new QTableWidgetItem(table.rows[r].value(c));
            if (c >= firstNumber)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            view->setItem(r, c, item);
        }
    }
}

QTableWidget *makeTable(QWidget *parent, const QStringList &titles, const QString &name, int stretched)
{
    auto *view = new QTableWidget(0, int(titles.size()), parent);
    view->setHorizontalHeaderLabels(titles);
    view->setAccessibleName(name);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table for the next control; the arrows move inside it.
    view->setTabKeyNavigation(false);
    view->verticalHeader()->hide();
    // Rows as tall as a line of text, so that more than four show.
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    for (int c = 0; c < titles.size(); ++c)
        view->horizontalHeader()->setSectionResizeMode(c, c < stretched ? QHeaderView::Stretch
                                                                         : QHeaderView::ResizeToContents);
    followItemDirections(view);
    return view;
}

QString sentence(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text + u'.';
}

} // namespace

ClassProgress::ClassProgress()
    : Screen(ScreenId::ClassProgress)
{
    setWindowTitle(tr("Class Progress"));
    setClientSizeTwips(10320, 7320);

    QLabel *prompt = makeLabel(area(), tr("Choose a list to see how the class does with it."));
    placeTw(prompt, 360, 240, 9600, 375);
    setPointSize(prompt, 10, false);

    TheLists = new QListWidget(area());
    TheLists->setAccessibleName(tr("Lists"));
    prompt->setBuddy(TheLists);
    placeTw(TheLists, 360, 720, 2880, 5160);

    Summary = makeLabel(area());
    placeTw(Summary, 3480, 720, 6480, 495);

    QLabel *pupilsLabel = makeLabel(area(), tr("Pupils who practised it:"));
    placeTw(pupilsLabel, 3480, 1260, 6480, 315);
    Pupils = makeTable(area(), pupilTitles(), tr("Pupils who practised the list"), 1);
    pupilsLabel->setBuddy(Pupils);
    placeTw(Pupils, 3480, 1575, 6480, 1905);

    QLabel *missedLabel = makeLabel(area(), tr("Pairs the class missed most:"));
    placeTw(missedLabel, 3480, 3600, 6480, 315);
    Missed = makeTable(area(), missedTitles(), tr("Pairs the class missed most"), 2);
    missedLabel->setBuddy(Missed);
    placeTw(Missed, 3480, 3915, 6480, 1965);

    Skipped = makeLabel(area());
    placeTw(Skipped, 360, 6000, 9600, 495);

    Export = new QPushButton(tr("Export..."), area());
    Print = new QPushButton(tr("Print..."), area());
    Close = new QPushButton(tr("Close"), area());
    placeTw(Export, 3480, 6660, 1560, 495);
    placeTw(Print, 5280, 6660, 1560, 495);
    placeTw(Close, 8400, 6660, 1560, 495);
    for (QPushButton *button : {Export, Print, Close})
        button->setAutoDefault(true);
    connect(TheLists, &QListWidget::itemSelectionChanged, this, &ClassProgress::TheLists_Click);
    connect(Export, &QPushButton::clicked, this, &ClassProgress::Export_Click);
    connect(Print, &QPushButton::clicked, this, &ClassProgress::Print_Click);
    connect(Close, &QPushButton::clicked, this, &ClassProgress::Close_Click);
    setTabOrder(TheLists, Pupils);
    setTabOrder(Pupils, Missed);
    setTabOrder(Missed, Export);
    setTabOrder(Export, Print);
    setTabOrder(Print, Close);
}

void ClassProgress::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    loadTeacherListChooser(TheLists, this);
    m_store = ReadStore();
    // An unreadable store was told by the chooser's load; the folder is
    // read once here, each list's rows are worked out as it is chosen.
    if (m_store)
        m_folder = progress::readClassFolder(Shared.AppPath, *m_store);
    else
        m_folder.error = tr("the word lists could not be read");

    QStringList skipped;
    for (const progress::SkippedFile &file : m_folder.skipped)
        skipped.append(QStringLiteral("%1 (%2)").arg(file.file, file.why));
    Skipped->setText(skipped.isEmpty() ? QString() : tr("Skipped: %1.").arg(skipped.join(QStringLiteral("; "))));
    TheLists_Click();
}

std::optional<StoredList> ClassProgress::chosenList() const
{
    const QList<QListWidgetItem *> selected = TheLists->selectedItems();
    if (selected.isEmpty() || !m_store)
        return std::nullopt;
    // Lists of one name stand in the box in store order, so the n-th of them
    // there is the store's n-th.
    const QString name = selected.first()->text();
    int occurrence = 0;
    for (int row = 0; row < TheLists->row(selected.first()); ++row)
        occurrence += TheLists->item(row)->text() == name ? 1 : 0;
    return m_store->listNamed(name, occurrence);
}

void ClassProgress::TheLists_Click()
{
    const auto list = m_folder.ok() ? chosenList() : std::nullopt;
    m_rows = list ? std::optional(progress::listRows(list->name, list->pairs, m_folder)) : std::nullopt;
    fillTable(Pupils, m_rows ? pupilTable(*m_rows) : worksheet::Table{pupilTitles(), {}}, 1);
    fillTable(Missed, m_rows ? missedTable(*m_rows) : worksheet::Table{missedTitles(), {}}, 2);
    Export->setEnabled(m_folder.ok());
    Print->setEnabled(m_folder.ok());

    if (!m_folder.ok())
        Summary->setText(sentence(m_folder.error));
    else if (!m_rows)
        Summary->setText(tr("The progress of %n pupil(s) was read.", nullptr, int(m_folder.pupils.size())));
    else if (m_rows->pupils.isEmpty())
        Summary->setText(tr("No pupil has practised \"%1\" yet.").arg(m_rows->list));
    else
        Summary->setText(tr("%n pupil(s) practised \"%1\".", nullptr, int(m_rows->pupils.size())).arg(m_rows->list));
}

void ClassProgress::Export_Click()
{
    if (!m_rows) {
        takeTeacherListChoice(TheLists);
        return;
    }
    const QString suggested = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                                  .filePath(m_rows->list + QStringLiteral(" progress.csv"));
    QString path = exchange::chooseFile(this, exchange::FileDialog::Save, windowTitle(), suggested,
                                        tr("CSV for spreadsheets (*.csv)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        path += QStringLiteral(".csv");
    if (const QString error = exchange::saveBytes(path, progress::csvBytes({*m_rows})); !error.isEmpty()) {
        MsgBox(error, windowTitle(), MsgButtons::Ok, this);
        return;
    }
    MsgBox(tr("The class's progress with \"%1\" was written to %2.")
               .arg(m_rows->list, QDir::toNativeSeparators(path)),
           windowTitle(), MsgButtons::Ok, this);
}

void ClassProgress::Print_Click()
{
    if (!m_rows) {
        takeTeacherListChoice(TheLists);
        return;
    }
    const QString heading = tr("Class progress: %1").arg(m_rows->list);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(worksheet::paperFor(QLocale::system())));
    printer.setDocName(heading);
    if (!exchange::choosePrinter(this, printer))
        return;
    worksheet::render(printer, heading, {pupilTable(*m_rows), missedTable(*m_rows)});
}

void ClassProgress::Close_Click()
{
    screens().show(ScreenId::Manager);
    screens().close(ScreenId::ClassProgress);
}

void ClassProgress::Form_Terminate()
{
    Close_Click();
}

void ClassProgress::escapePressed()
{
    Close_Click();
}
