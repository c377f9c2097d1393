// Every screen in every shipped language, beside the same screen in English: no text the catalogue
// translates is left in English, no caption that fits in English is cut off, every Alt+letter of a screen
// and of each of its menus reaches one control, and every catalogue keeps each message's placeholders.
// LINGO_FIT_REPORT=FILE writes every measured text with its room, for translators and for the record.
#include "AllScreens.h"
#include "app/ClickLabel.h"
#include "app/Screen.h"
#include "manage/SoundOptions.h"
#include "manage/editor/CreateList.h"
#include "manage/editor/MakeNewList.h"
#include "manage/exchange/ExchangeDialogs.h"
#include "app/ScreenManager.h"
#include "support/ScreenTestSupport.h"
#include "support/TestSupport.h"
#include "translations/InterfaceLanguage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStyleOptionButton>
#include <QTest>
#include <QXmlStreamReader>

#include <map>
#include <memory>

namespace {

// One catalogue as its .ts file holds it: each source with what it becomes (every plural form).
struct Message {
    QString context, source;
    QStringList translations;
};

QList<Message> catalogue(const QString &language)
{
    QFile file(QStringLiteral(LINGO_SOURCE_DIR "/translations/lingo-spark_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read the %s catalogue", qPrintable(language));
    QList<Message> messages;
    QString context;
    bool counted = false;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            counted = xml.attributes().value(QStringLiteral("numerus")) == QStringLiteral("yes");
            messages.append({context, {}, {}});
        } else if (xml.name() == u"source") {
            messages.last().source = xml.readElementText();
        } else if ((xml.name() == u"translation" && !counted) || xml.name() == u"numerusform") {
            messages.last().translations.append(xml.readElementText());
        }
    }
    if (xml.hasError())
        qFatal("the %s catalogue: %s", qPrintable(language), qPrintable(xml.errorString()));
    return messages;
}

// %1 to %9, and %n.
const QRegularExpression &placeholderMarker()
{
    static const QRegularExpression marker(QStringLiteral("%(\\d|n)"));
    return marker;
}

QStringList placeholders(const QString &text, bool withCount)
{
    QStringList found;
    for (const QRegularExpressionMatch &m : placeholderMarker().globalMatch(text))
        if (withCount || m.captured(1) != u'n')
            found.append(m.captured());
    found.sort();
    return found;
}

// The letter after a single "&", lower case; none for "&&" or no "&".
QChar mnemonic(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] == u'&') {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

// A text shown on a screen, where it is shown and whether it has the room it needs.
struct Shown {
    QString where; // the control's class and place among the screen's controls, the same in every language
    QString text;
    int need = 0;
    int room = 0;
    bool fits() const { return need <= room; }
};

int wrappedHeight(const QFontMetrics &fm, int width, const QString &text, int flags)
{
    return fm.boundingRect(QRect(0, 0, width, 1 << 20), flags | Qt::TextWordWrap, text).height();
}

// Every text of the screen's visible controls and menu bar, measured with each control's own font.
QList<Shown> shownTexts(Screen *screen)
{
    QList<Shown> shown;
    int index = 0;
    for (QWidget *w : screen->findChildren<QWidget *>()) {
        ++index;
        if (!w->isVisibleTo(screen))
            continue;
        const QFontMetrics fm(w->font());
        const QString where = QStringLiteral("%1 #%2").arg(QLatin1String(w->metaObject()->className())).arg(index);
        if (auto *label = qobject_cast<QLabel *>(w)) {
            if (label->text().isEmpty() || label->textFormat() == Qt::RichText)
                continue;
            const QRect room = label->contentsRect();
            const QString text = visibleCaption(label->text());
            if (label->wordWrap())
                shown.append({where, label->text(), wrappedHeight(fm, room.width(), text, int(label->alignment())),
                              room.height()});
            else
                shown.append({where, label->text(), fm.size(0, text).width(), room.width()});
        } else if (auto *click = qobject_cast<ClickLabel *>(w)) {
            const int width = click->width() - 4;
            shown.append({where, click->text(), wrappedHeight(fm, width, visibleCaption(click->text()), 0),
                          click->height()});
        } else if (auto *button = qobject_cast<QAbstractButton *>(w); button && !button->text().isEmpty()) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            QStyle::SubElement contents = QStyle::SE_PushButtonContents;
            if (qobject_cast<QRadioButton *>(button))
                contents = QStyle::SE_RadioButtonContents;
            else if (qobject_cast<QCheckBox *>(button))
                contents = QStyle::SE_CheckBoxContents;
            const QRect room = button->style()->subElementRect(contents, &option, button);
            shown.append({where, button->text(), fm.size(Qt::TextShowMnemonic, button->text()).width(), room.width()});
        } else if (auto *box = qobject_cast<QGroupBox *>(w); box && !box->title().isEmpty()) {
            shown.append({where, box->title(), fm.size(Qt::TextShowMnemonic, box->title()).width() + 12, box->width()});
        }
    }
    // A menu title that does not fit the bar moves to an overflow button the pupil may never find.
    if (auto *bar = qobject_cast<QMenuBar *>(screen->menuWidget())) {
        for (QAction *title : bar->actions()) {
            const QRect at = bar->actionGeometry(title);
            const bool inside = !at.isEmpty() && bar->rect().contains(at);
            shown.append({QStringLiteral("menu %1").arg(++index), title->text(), inside ? 0 : 1, 0});
        }
    }
    return shown;
}

// Alt+letters of the screen's controls and menu titles, then of each menu: the pairs of places (the same in
// every language) that share a letter, each with its two texts.
std::map<QString, QString> repeatedMnemonics(Screen *screen)
{
    using Group = QList<std::pair<QString, QString>>; // place, text
    QList<Group> groups(1);
    int index = 0;
    for (QWidget *w : screen->findChildren<QWidget *>()) {
        const QString place = QString::number(++index);
        if (!w->isVisibleTo(screen))
            continue;
        if (auto *label = qobject_cast<QLabel *>(w); label && label->buddy())
            groups[0].append({place, label->text()});
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            groups[0].append({place, button->text()});
        else if (auto *box = qobject_cast<QGroupBox *>(w))
            groups[0].append({place, box->title()});
    }
    if (auto *bar = qobject_cast<QMenuBar *>(screen->menuWidget())) {
        for (QAction *title : bar->actions()) {
            const QString place = QStringLiteral("menu %1").arg(groups.size());
            groups[0].append({place, title->text()});
            if (QMenu *menu = title->menu()) {
                groups.append(Group{});
                int item = 0;
                for (QAction *action : menu->actions())
                    if (++item, !action->isSeparator() && action->isVisible())
                        groups.last().append({place + QStringLiteral(" item %1").arg(item), action->text()});
            }
        }
    }
    std::map<QString, QString> repeated;
    for (const Group &group : groups) {
        std::map<QChar, std::pair<QString, QString>> first;
        for (const auto &[place, text] : group) {
            const QChar key = mnemonic(text);
            if (key.isNull())
                continue;
            if (const auto [at, fresh] = first.emplace(key, std::pair{place, text}); !fresh)
                repeated[at->second.first + u'/' + place] = at->second.second + QStringLiteral(" / ") + text;
        }
    }
    return repeated;
}

// A pattern for each source text the screens may show, its placeholders standing for anything.
struct SourcePattern {
    QRegularExpression pattern;
    QString source;
};

const QList<SourcePattern> &sourcePatterns()
{
    static const QList<SourcePattern> patterns = [] {
        QList<SourcePattern> all;
        for (const Message &m : catalogue(QStringLiteral("de"))) {
            const QString bare = QString(m.source).remove(placeholderMarker()).remove(u'&').trimmed();
            if (bare.isEmpty() || !bare.contains(QRegularExpression(QStringLiteral("\\w{2}"))))
                continue;
            QString expression = QRegularExpression::escape(m.source);
            expression.replace(placeholderMarker(), QStringLiteral(".*"));
            all.append({QRegularExpression(QRegularExpression::anchoredPattern(expression),
                                           QRegularExpression::DotMatchesEverythingOption),
                        m.source});
        }
        return all;
    }();
    return patterns;
}

// Whether an English text was made from a source the language's catalogue words differently.
bool wordedDifferently(const QString &english, const QList<Message> &messages)
{
    for (const SourcePattern &p : sourcePatterns()) {
        if (!p.pattern.match(english).hasMatch())
            continue;
        for (const Message &m : messages)
            if (m.source == p.source && !m.translations.contains(m.source))
                return true;
    }
    return false;
}

void writeFitReport(const QString &language, const char *screen, const QList<Shown> &shown)
{
    const QString path = qEnvironmentVariable("LINGO_FIT_REPORT");
    if (path.isEmpty())
        return;
    QFile report(path);
    if (!report.open(QIODevice::Append))
        return;
    for (const Shown &s : shown)
        report.write(QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\n")
                         .arg(language, QLatin1String(screen), s.where, QString(s.text).replace(u'\n', u' '))
                         .arg(s.need)
                         .arg(s.room)
                         .toUtf8());
}

struct Look {
    QList<Shown> texts;
    std::map<QString, QString> repeated;
};

Look lookAt(const ScreenRow &row, const QString &language)
{
    // A list every activity takes, and one of accented words.
    TestEnv env(TestEnv::lines({"Animals", "dog", "perro", "cat", "gato", "horse", "caballo", "bird", "p\u00e1jaro",
                                "fish", "pez", "cow", "vaca", "pig", "cerdo", "sheep", "oveja", "mouse", "rat\u00f3n",
                                "<New List>", "Caf\u00e9 words", "caf\u00e9", "coffee", "cr\u00e8me", "cream"}));
    // English is the source texts (and their plural forms, which every test has installed).
    translations::InterfaceLanguage catalogues(language);
    if (language != QStringLiteral("en"))
        catalogues.install();
    registerAllScreens(screens());
    // The import screen asks for its file as it opens: a small list, never the system's dialog.
    env.write(QStringLiteral("import.csv"), "sol,sun\r\nluna,moon\r\n");
    exchange::setFileDialogHandler([&env](exchange::FileDialog, const QString &, const QString &) {
        return env.path(QStringLiteral("import.csv"));
    });
    const auto restoreDialogs = qScopeGuard([] { exchange::setFileDialogHandler({}); });
    prepareSharedState();
    for (ScreenId id : row.beneath)
        screens().show(id);
    const QPointer<Screen> screen = screens().show(row.id);
    settle();
    if (!screen)
        qFatal("%s did not stay open", row.name);
    Look look{shownTexts(screen), repeatedMnemonics(screen)};
    writeFitReport(language, row.name, look.texts);
    screens().resetForTests();
    return look;
}

} // namespace

class EveryLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void catalogueKeepsPlaceholdersAndKeys_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : translations::shippedLanguages())
            if (language != QStringLiteral("en"))
                QTest::newRow(qPrintable(language)) << language;
    }

    void catalogueKeepsPlaceholdersAndKeys()
    {
        QFETCH(QString, language);
        QStringList faults;
        for (const Message &m : catalogue(language)) {
            for (const QString &form : m.translations) {
                // A plural form may spell its number out ("one word"), never drop another argument.
                const bool counted = m.source.contains(QStringLiteral("%n"));
                if (placeholders(form, !counted) != placeholders(m.source, !counted))
                    faults.append(QStringLiteral("%1: %2 -> %3").arg(m.context, m.source, form));
                if (mnemonic(form).isNull() != mnemonic(m.source).isNull())
                    faults.append(QStringLiteral("%1: key %2 -> %3").arg(m.context, m.source, form));
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    void screenInEveryLanguage_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(everyScreen().size()); ++i)
            QTest::addRow("%s", everyScreen()[i].name) << i;
    }

    void screenInEveryLanguage()
    {
        QFETCH(int, index);
        const ScreenRow &row = everyScreen()[index];
        const Look english = lookAt(row, QStringLiteral("en"));
        QStringList faults;
        for (const QString &language : translations::shippedLanguages()) {
            if (language == QStringLiteral("en"))
                continue;
            const QList<Message> messages = catalogue(language);
            const Look look = lookAt(row, language);
            if (look.texts.size() != english.texts.size()) {
                faults.append(QStringLiteral("%1: %2 texts, %3 in English").arg(language).arg(look.texts.size())
                                  .arg(english.texts.size()));
                continue;
            }
            for (qsizetype i = 0; i < look.texts.size(); ++i) {
                const Shown &ours = look.texts[i];
                const Shown &theirs = english.texts[i];
                if (ours.text == theirs.text && wordedDifferently(theirs.text, messages))
                    faults.append(QStringLiteral("%1: still English: %2").arg(language, ours.text));
                // A folder's name is as long as the machine makes it: not the translation's to fit.
                const bool showsPath = theirs.text.contains(QDir::tempPath());
                if (!ours.fits() && theirs.fits() && !showsPath)
                    faults.append(QStringLiteral("%1: cut off (%2 of %3 px): %4")
                                      .arg(language).arg(ours.room).arg(ours.need).arg(ours.text));
            }
            for (const auto &[places, texts] : look.repeated)
                if (!english.repeated.contains(places))
                    faults.append(QStringLiteral("%1: one key for %2").arg(language, texts));
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // The interface's language never reaches the files: "Sound Off" and "<New List>" stay as every computer
    // of the school reads them.
    void filesAreTheSameInEveryLanguage()
    {
        std::map<QString, QByteArray> written;
        for (const QString &language : {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr")}) {
            TestEnv env(TestEnv::defaultStore(), "pw\r\nx\r\nSound On\r\n");
            translations::InterfaceLanguage catalogues(language);
            catalogues.install();
            registerAllScreens(screens());
            screens().show(ScreenId::Manager);
            auto *sound = static_cast<SoundOptions *>(screens().show(ScreenId::SoundOptions));
            sound->Label2_Click(); // "Sound is  OFF"
            sound->Command1_Click();
            settle();
            auto *create = static_cast<CreateList *>(screens().show(ScreenId::CreateList));
            create->NewName->setText(QStringLiteral("Tiere"));
            create->Command2_Click();
            settle();
            auto *make = screens().find<MakeNewList>(ScreenId::MakeNewList);
            QVERIFY(make);
            make->TheWord->setText(QStringLiteral("Hund"));
            make->TheMeaning->setText(QStringLiteral("dog"));
            make->Command1_Click(); // adds the typed pair, then saves once asked
            settle();
            const QByteArray files = env.read(QStringLiteral("lsdata.dat")) + '|' + env.read(QStringLiteral("thelists.dat"));
            QVERIFY2(files.contains("Sound Off") && files.contains("<New List>\r\nTiere\r\nHund\r\ndog"),
                     files.constData());
            written[language] = files;
        }
        QCOMPARE(written[QStringLiteral("de")], written[QStringLiteral("en")]);
        QCOMPARE(written[QStringLiteral("fr")], written[QStringLiteral("en")]);
    }
};

QTEST_MAIN(EveryLanguageTest)
#include "test_every_language.moc"
