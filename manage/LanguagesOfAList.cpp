#include "LanguagesOfAList.h"

#include "TeacherChooser.h"

#include "app/Controls.h"
#include "app/ListChooser.h"
#include "app/MessageBox.h"
#include "app/ScreenManager.h"
#include "app/Twips.h"
#include "app/core/SharedState.h"
#include "languages/LanguageNames.h"
#include "languages/ListLanguages.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

namespace {

QComboBox *languageBox(QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->addItem(LanguagesOfAList::tr("(not set)"), QString());
    for (const languages::OfferedLanguage &offered : languages::offeredLanguages())
        box->addItem(offered.display, offered.code);
    // Some 270 languages: a taller drop-down; typing the first letters of
    // the shown name finds one.
    box->setMaxVisibleItems(16);
    return box;
}

// Shows `code`; a code the box does not offer (one with a territory, say)
// is added below "(not set)" so that it still shows.
void showCode(QComboBox *box, const QString &code)
{
    int index = box->findData(code);
    if (index < 0) {
        box->insertItem(1, languages::displayName(code), code);
        index = 1;
    }
    box->setCurrentIndex(index);
}

} // namespace

LanguagesOfAList::LanguagesOfAList()
    : Screen(ScreenId::LanguagesOfAList)
{
    setWindowTitle(tr("Languages of a List"));
    const int width = 7440;
    const int height = 5160;
    setClientSizeTwips(width, height);

    QLabel *prompt = makeLabel(area(), tr("Choose a list, then the languages of its words and meanings."));
    placeTw(prompt, 360, 240, 6720, 495);
    setPointSize(prompt, 10, false);

    TheLists = new QListWidget(area());
    TheLists->setAccessibleName(tr("Lists"));
    prompt->setBuddy(TheLists);
    placeTw(TheLists, 360, 840, 3120, 3960);

    // A chooser under its caption. The caption and the accessible name are translated
    // apart, since not every language puts its colon straight after the word.
    const auto labelledBox = [this](const QString &caption, const QString &name, int top) {
        QLabel *label = makeLabel(area(), caption);
        placeTw(label, 3720, top, 3360, 315);
        QComboBox *box = languageBox(area());
        box->setAccessibleName(name);
        label->setBuddy(box);
        placeTw(box, 3720, top + 360, 3360, 375);
        return box;
    };
    Words = labelledBox(tr("Language of the words:"), tr("Language of the words"), 840);
    Meanings = labelledBox(tr("Language of the meanings:"), tr("Language of the meanings"), 1800);

    OK = new QPushButton(tr("OK"), area());
    Cancel = new QPushButton(tr("Cancel"), area());
    placeTw(OK, 3720, 4305, 1560, 495);
    placeTw(Cancel, 5520, 4305, 1560, 495);
    Cancel->setAutoDefault(true);
    setDefaultButton(OK);
    connect(TheLists, &QListWidget::itemSelectionChanged, this, &LanguagesOfAList::TheLists_Click);
    connect(OK, &QPushButton::clicked, this, &LanguagesOfAList::OK_Click);
    connect(Cancel, &QPushButton::clicked, this, &LanguagesOfAList::Cancel_Click);
    setTabOrder(TheLists, Words);
    setTabOrder(Words, Meanings);
    setTabOrder(Meanings, OK);
    setTabOrder(OK, Cancel);
}

void LanguagesOfAList::Form_Load()
{
    setBackgroundPicture(QStringLiteral("lspark.jpg"));
    loadTeacherListChooser(TheLists, this);
    TheLists_Click();
}

void LanguagesOfAList::TheLists_Click()
{
    const QList<QListWidgetItem *> selected = TheLists->selectedItems();
    const bool chosen = !selected.isEmpty();
    const languages::ListLanguages stored = chosen ? languages::ofList(selected.first()->text()) : languages::ListLanguages();
    showCode(Words, stored.words);
    showCode(Meanings, stored.meanings);
    Words->setEnabled(chosen);
    Meanings->setEnabled(chosen);
}

void LanguagesOfAList::OK_Click()
{
    if (!takeTeacherListChoice(TheLists))
        return;
    const languages::ListLanguages chosen{Words->currentData().toString(), Meanings->currentData().toString()};
    if (const auto saved = languages::setOfList(Shared.CurrentList, chosen); !saved) {
        MsgBox(tr("%1\n\nThe languages were not saved.").arg(saved.message), windowTitle(), MsgButtons::Ok, this);
        return;
    }
    Cancel_Click();
}

void LanguagesOfAList::Cancel_Click()
{
    screens().show(ScreenId::Manager);
    screens().close(ScreenId::LanguagesOfAList);
}

void LanguagesOfAList::Form_Terminate()
{
    Cancel_Click();
}

void LanguagesOfAList::escapePressed()
{
    Cancel_Click();
}
