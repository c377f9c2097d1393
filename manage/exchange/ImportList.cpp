#include "ImportList.h"

#include "ExchangeDialogs.h"
#include "ExchangeFiles.h"

#include "app/Controls.h"
#include "app/MessageBox.h"
#include "app/ScreenManager.h"
#include "app/Sound.h"
#include "app/Twips.h"
#include "app/core/SharedState.h"
#include "languages/LanguageNames.h"
#include "languages/ListLanguages.h"

#include <QCheckBox>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTimer>

namespace {

constexpr int PreviewRows = 12;

QString formatDescription(const ImportResult &result)
{
    switch (result.format) {
    case ImportResult::Format::Kvtml:
        return result.hintsAsMeanings
            ? ImportList::tr("Read as a KVTML vocabulary of one language: each word's hint is its meaning.")
            : ImportList::tr("Read as a KVTML vocabulary.");
    case ImportResult::Format::Equals:
        return ImportList::tr("Read as \"word = meaning\" lines in %1.").arg(result.encoding);
    case ImportResult::Format::Delimited: {
        const QString told = result.separator == u'\t' ? ImportList::tr("Read as tab-separated text in %1.")
            : result.separator == u';' ? ImportList::tr("Read as semicolon-separated text in %1.")
                                       : ImportList::tr("Read as comma-separated text in %1.");
        return told.arg(result.encoding);
    }
    case ImportResult::Format::None:
        break;
    }
    return {};
}

// "Languages: español — Spanish / English — English", or empty when the file names none.
QString languagesNote(const ImportResult &result)
{
    if (result.wordsLanguage.isEmpty() && result.meaningsLanguage.isEmpty())
        return {};
    const auto shown = [](const QString &code) {
        return code.isEmpty() ? ImportList::tr("(not set)") : languages::displayName(code);
    };
    return ImportList::tr("Languages: %1 / %2").arg(shown(result.wordsLanguage), shown(result.meaningsLanguage));
}

QLabel *caption(QWidget *parent, const QString &text, int left, int top, int width)
{
    QLabel *label = makeLabel(parent, text);
    placeTw(label, left, top, width, 315);
    return label;
}

} // namespace

ImportList::ImportList()
    : Screen(ScreenId::ImportList)
{
    setWindowTitle(tr("Import a List"));
    setClientSizeTwips(9600, 7800);

    caption(area(), tr("File:"), 240, 300, 720);
    FileName = makeLabel(area());
    placeTw(FileName, 960, 300, 6240, 315);
    ChooseFile = new QPushButton(tr("Choose a File..."), area());
    placeTw(ChooseFile, 7320, 240, 2040, 435);

    QLabel *nameLabel = caption(area(), tr("List name:"), 240, 810, 1200);
    NameBox = new QLineEdit(area());
    NameBox->setAccessibleName(tr("List name"));
    nameLabel->setBuddy(NameBox);
    placeTw(NameBox, 1440, 780, 5760, 375);

    CountLabel = makeLabel(area());
    placeTw(CountLabel, 240, 1320, 9120, 315);
    Notes = makeLabel(area());
    placeTw(Notes, 240, 1680, 9120, 555);
    Notes->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    HeaderBox = new QCheckBox(tr("First row is a header"), area());
    placeTw(HeaderBox, 240, 2280, 4200, 315);
    Languages = makeLabel(area());
    placeTw(Languages, 4560, 2280, 4800, 315);

    caption(area(), tr("First rows:"), 240, 2700, 4440);
    Rows = new QTableWidget(0, 2, area());
    Rows->setHorizontalHeaderLabels({tr("Word"), tr("Meaning")});
    Rows->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    followItemDirections(Rows);
    Rows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Rows->setAccessibleName(tr("First rows"));
    placeTw(Rows, 240, 3000, 4440, 3780);

    caption(area(), tr("Rows that will not be taken:"), 4920, 2700, 4440);
    Refused = new QListWidget(area());
    Refused->setAccessibleName(tr("Rows that will not be taken"));
    Refused->setWordWrap(true);
    placeTw(Refused, 4920, 3000, 4440, 3780);

    Import = new QPushButton(tr("Import"), area());
    Cancel = new QPushButton(tr("Cancel"), area());
    placeTw(Import, 5520, 7080, 1695, 495);
    placeTw(Cancel, 7665, 7080, 1695, 495);
    for (QPushButton *button : {ChooseFile, Import, Cancel})
        button->setAutoDefault(true);
    connect(ChooseFile, &QPushButton::clicked, this, &ImportList::ChooseFile_Click);
    connect(HeaderBox, &QCheckBox::toggled, this, &ImportList::HeaderBox_Toggled);
    connect(NameBox, &QLineEdit::returnPressed, this, &ImportList::Import_Click);
    connect(Import, &QPushButton::clicked, this, &ImportList::Import_Click);
    connect(Cancel, &QPushButton::clicked, this, &ImportList::Cancel_Click);
    setTabOrder(ChooseFile, NameBox);
    setTabOrder(NameBox, HeaderBox);
    setTabOrder(HeaderBox, Rows);
    setTabOrder(Rows, Refused);
    setTabOrder(Refused, Import);
    setTabOrder(Import, Cancel);
    showPreview();
}

void ImportList::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    // The menu item promised a file dialog: open it once the screen is up.
    QTimer::singleShot(0, this, [this] {
        if (!m_fileChosen)
            ChooseFile_Click();
    });
}

void ImportList::ChooseFile_Click()
{
    const QString start = m_path.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) : m_path;
    const QString path = exchange::chooseFile(this, exchange::FileDialog::Open, tr("Import a List"), start,
                                              exchange::fileNameFilter());
    if (path.isEmpty()) {
        // Cancelling the first dialog cancels the import.
        if (!m_fileChosen)
            Cancel_Click();
        return;
    }
    m_fileChosen = true;
    m_path = path;
    const exchange::FileRead read = exchange::readImportFile(path);
    m_bytes = read.bytes;
    m_result = read.ok() ? readImport(m_bytes, QDir::toNativeSeparators(path)) : ImportResult();
    m_failure = read.ok() ? failureText(m_result) : read.error;
    NameBox->setText(m_failure.isEmpty() ? m_result.name : QString());
    showPreview();
    if (!m_failure.isEmpty()) {
        MsgBox(tr("%1\n\nNothing was imported.").arg(m_failure), windowTitle(), MsgButtons::Ok, this);
        ChooseFile->setFocus();
        return;
    }
    NameBox->setFocus();
    NameBox->selectAll();
}

void ImportList::HeaderBox_Toggled(bool header)
{
    if (!m_failure.isEmpty() || m_result.format == ImportResult::Format::Kvtml)
        return;
    m_result = readImport(m_bytes, QDir::toNativeSeparators(m_path), header ? HeaderChoice::Header : HeaderChoice::NoHeader);
    showPreview();
}

void ImportList::showPreview()
{
    const bool ok = m_fileChosen && m_failure.isEmpty();
    FileName->setText(QDir::toNativeSeparators(m_path));
    NameBox->setEnabled(ok);
    CountLabel->setText(!m_fileChosen ? QString()
                            : ok      ? tr("Words that will be taken: %1").arg(m_result.pairs.size())
                                      : tr("No words can be taken from this file."));
    Notes->setText(ok ? (QStringList{formatDescription(m_result)} + notesText(m_result)).join(u'\n') : QString());
    Languages->setText(ok ? languagesNote(m_result) : QString());
    {
        const QSignalBlocker blocker(HeaderBox);
        HeaderBox->setChecked(ok && m_result.headerFound);
    }
    HeaderBox->setEnabled(ok && m_result.format != ImportResult::Format::Kvtml);

    const int shown = ok ? int(std::min<qsizetype>(PreviewRows, m_result.pairs.size())) : 0;
    Rows->setRowCount(shown);
    for (int i = 0; i < shown; ++i) {
        Rows->setItem(i, 0, new QTableWidgetItem(m_result.pairs[i].word));
        Rows->setItem(i, 1, new QTableWidgetItem(m_result.pairs[i].meaning));
    }
    Refused->clear();
    if (ok) {
        for (const RefusedRow &row : m_result.refused)
            Refused->addItem(tr("Line %1: %2").arg(row.line).arg(refusalText(row)));
    }
    Import->setEnabled(ok && !m_result.pairs.isEmpty());
}

void ImportList::Import_Click()
{
    if (!Import->isEnabled()) {
        Beep();
        return;
    }
    // Normalised once the teacher is done, never while typing: an input method may still be composing.
    const QString name = NameBox->text().normalized(QString::NormalizationForm_C);
    const dataupdate::Result saved = exchange::appendList(name, m_result.pairs);
    if (saved) {
        QString told = tr("The list \"%1\" was added with %n word(s).", nullptr, int(m_result.pairs.size())).arg(name);
        // The list stays added whatever happens to its languages.
        if (const auto set = languages::setOfList(name, {m_result.wordsLanguage, m_result.meaningsLanguage}); !set)
            told += tr("\n\nIts languages could not be saved.\n\n%1").arg(set.message);
        MsgBox(told, windowTitle(), MsgButtons::Ok, this);
        screens().show(ScreenId::Manager);
        screens().close(ScreenId::ImportList);
        return;
    }
    if (saved.outcome == dataupdate::Outcome::Refused) {
        heyMessage(saved.message, this);
        NameBox->setFocus();
        NameBox->selectAll();
        return;
    }
    MsgBox(saved.message, windowTitle(), MsgButtons::Ok, this);
}

QString ImportList::failureText(const ImportResult &result)
{
    const QString &file = result.fileName;
    switch (result.failure) {
    case ImportFailure::None:
        break;
    case ImportFailure::TooLarge:
        return tr("%1 is larger than %2 MB, far more than a word list needs.").arg(file).arg(MaxImportBytes / (1024 * 1024));
    case ImportFailure::NotText:
        return tr("%1 is not a text file (it may be a picture or a program), so it holds no word list.").arg(file);
    case ImportFailure::Empty:
        return tr("%1 is empty.").arg(file);
    case ImportFailure::NotKvtml:
        return tr("%1 is an XML file but not a KVTML vocabulary.").arg(file);
    case ImportFailure::OldKvtml:
        return tr("%1 is an old KVTML 1 vocabulary; only KVTML 2 files can be read.").arg(file);
    case ImportFailure::UnreadableXml:
        return tr("%1 is not a readable XML file (line %2: %3).").arg(file).arg(result.xmlLine).arg(result.xmlError);
    case ImportFailure::OneLanguageNoHints:
        return tr("%1 holds only one language and no hints: a KVTML file needs a second "
                  "translation or a hint for each word to give the meanings.")
            .arg(file);
    case ImportFailure::NoPairs:
        return tr("%1 holds no word and meaning pairs: each line should hold a word and its meaning "
                  "separated by a tab, a semicolon or a comma, or be written as word = meaning.")
            .arg(file);
    }
    return {};
}

QString ImportList::refusalText(const RefusedRow &row)
{
    switch (row.why) {
    case RowRefusal::LineBreakInWord:
        return tr("a line break inside the word");
    case RowRefusal::ControlInWord:
        return tr("the control character %1 inside the word").arg(row.detail);
    case RowRefusal::LineBreakInMeaning:
        return tr("a line break inside the meaning");
    case RowRefusal::ControlInMeaning:
        return tr("the control character %1 inside the meaning").arg(row.detail);
    case RowRefusal::EmptyWord:
        return tr("the word is empty");
    case RowRefusal::EmptyMeaning:
        return tr("the meaning is empty");
    case RowRefusal::StoreMarker:
        return tr("\"%1\" marks the word list file's structure and cannot be a word or meaning").arg(row.detail);
    case RowRefusal::UnclosedQuote:
        return tr("a quote that is never closed");
    case RowRefusal::NoHint:
        return tr("no meaning: the word has no hint");
    }
    return {};
}

QStringList ImportList::notesText(const ImportResult &result)
{
    QStringList notes;
    if (result.columns >= 3)
        notes.append(tr("The file has %1 columns: the first two are taken as word and meaning.").arg(result.columns));
    if (result.leftOut > 0)
        notes.append(tr("A list holds at most %1 words: the first %1 are taken and %2 more are left out.")
                         .arg(MaxPairs)
                         .arg(result.leftOut));
    return notes;
}

void ImportList::Cancel_Click()
{
    screens().show(ScreenId::Manager);
    screens().close(ScreenId::ImportList);
}

void ImportList::Form_Terminate()
{
    Cancel_Click();
}

void ImportList::escapePressed()
{
    Cancel_Click();
}
