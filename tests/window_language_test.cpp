// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The program in English: every window without a Hungarian text left, a switch that reaches every
// open window at once, the choice remembered, and a translation with nothing unfinished.
#include "analysis_window.h"
#include "board.h"
#include "cards.h"
#include "casino_games.h"
#include "exchange_warning.h"
#include "hold_kinds.h"
#include "language.h"
#include "options.h"
#include "picture_box.h"
#include "strategy_service.h"
#include "tab_strip.h"
#include "test_support.h"
#include "trainer.h"

#include <QAbstractButton>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QXmlStreamReader>

namespace {

struct Message {
    QString context, source, translation;
    bool finished = false;
};

// The English translation file as the sources have it (compiled into this test).
QList<Message> englishMessages() {
    QFile file(QStringLiteral(":/translations/kartavo_en.ts"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no translations/kartavo_en.ts");
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            messages.append({context, {}, {}, false});
        } else if (xml.name() == QLatin1String("source")) {
            messages.last().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            messages.last().translation =
                xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            messages.last().finished = type.isEmpty() && !messages.last().translation.isEmpty();
        }
    }
    if (xml.hasError())
        qFatal("kartavo_en.ts: %s", qPrintable(xml.errorString()));
    return messages;
}

bool hasHungarianLetter(const QString& text) {
    static const QString letters = QStringLiteral("áéíóöőúüűÁÉÍÓÖŐÚÜŰ");
    return std::any_of(text.begin(), text.end(), [](QChar c) { return letters.contains(c); });
}

QString plain(QString text) {
    return text.remove(QLatin1Char('&')).trimmed();
}

// Every text a window shows or a screen reader reads of it.
QStringList textsOf(QWidget* window) {
    QStringList texts{window->windowTitle()};
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        QStringList own{w->toolTip(), w->accessibleName(), w->accessibleDescription()};
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            own << b->text();
        if (auto* l = qobject_cast<QLabel*>(w))
            own << l->text();
        if (auto* g = qobject_cast<QGroupBox*>(w))
            own << g->title();
        if (auto* tabs = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                own << tabs->tabText(i) << tabs->tabToolTip(i);
        if (auto* t = qobject_cast<QTableWidget*>(w)) {
            for (int r = 0; r < t->rowCount(); ++r)
                for (int c = 0; c < t->columnCount(); ++c)
                    if (const QTableWidgetItem* item = t->item(r, c))
                        own << item->text() << item->toolTip();
            for (int c = 0; c < t->columnCount(); ++c)
                if (const QTableWidgetItem* item = t->horizontalHeaderItem(c))
                    own << item->text();
        }
        if (auto* menu = qobject_cast<QMenu*>(w))
            for (const QAction* a : menu->actions())
                own << a->text() << (a->menu() ? a->menu()->title() : QString());
        for (const QString& text : own)
            if (!text.isEmpty())
                texts << QStringLiteral("%1: %2").arg(w->objectName(), text);
    }
    return texts;
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MediaFolder> folder;
    QPointer<board> table;
    // The source texts whose English is another text.
    QSet<QString> hungarian;

    // The texts of the window that are still Hungarian.
    QStringList hungarianIn(QWidget* window) const {
        QStringList found;
        for (const QString& line : textsOf(window)) {
            const QString text = line.section(QStringLiteral(": "), 1);
            if (hasHungarianLetter(text) || hungarian.contains(plain(text)))
                found << line;
        }
        return found;
    }
    void expectEnglish(QWidget* window) const {
        const QStringList found = hungarianIn(window);
        QVERIFY2(found.isEmpty(), qPrintable(window->objectName() + QStringLiteral(" still says ") +
                                             found.join(QStringLiteral(" | "))));
    }
    board& open(const QString& script) {
        table = shell::openTable(dealing(script));
        table->show();
        activate(table);
        return *table;
    }
    QPushButton* button(const QString& name) const { return control<QPushButton>(table, name); }
    // Chooses a language from the table's menu, as the player does.
    void choose(const QString& name) {
        std::unique_ptr<QMenu> menu(table->contextMenu());
        QMenu* languages = nullptr;
        for (QAction* a : menu->actions())
            if (a->menu() && a->text() == QStringLiteral("Nyelv / Language"))
                languages = a->menu();
        QVERIFY(languages);
        QAction* entry = nullptr;
        for (QAction* a : languages->actions())
            if (a->text() == name)
                entry = a;
        QVERIFY(entry);
        entry->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
    static QString settingsFile() {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Kartavo"),
                         QStringLiteral("Kartavo"))
            .fileName();
    }
    static void forgetChoice() {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Kartavo"),
                  QStringLiteral("Kartavo"))
            .clear();
        QFile::remove(settingsFile() + QStringLiteral(".bad"));
    }
    // Every window the table can open, opened: options with each page, Elemzés with each page,
    // Gyakorlás with a verdict, Haladás, the question of a fresh start.
    QList<QWidget*> openEveryWindow() {
        QList<QWidget*> windows{table};
        click(button("Command6"));
        options* dialog = table->optionsWindow();
        auto* strip = control<controls::TabStrip>(dialog, "SSTab1");
        for (int i = 0; i < strip->count(); ++i)
            click(control<QPushButton>(dialog, QStringLiteral("SSTab1_Tab%1").arg(i)));
        windows << dialog;
        trainer::Trainer* coach = shell::trainerOf(table);
        coach->openWindow();
        auto* pages = control<QTabWidget>(coach->window(), "Tabs1");
        for (int i = 0; i < pages->count(); ++i)
            pages->setCurrentIndex(i);
        windows << coach->window();
        // Gyakorlás with a verdict, and Haladás.
        coach->openPractice();
        click(control<QPushButton>(coach->practiceWindow(), "Command1"));
        windows << coach->practiceWindow();
        coach->openProgress();
        windows << coach->progressWindow();
        auto* question = new ujra(nullptr);
        question->show();
        windows << question;
        return windows;
    }

  private slots:
    void initTestCase() {
        StrategyService::instance().waitUntilReady();
        for (const Message& m : englishMessages())
            if (m.translation != m.source)
                hungarian.insert(plain(m.source));
    }
    void init() {
        folder = std::make_unique<MediaFolder>();
        forgetChoice();
    }
    void cleanup() {
        folder.reset();
        QVERIFY(shell::setLanguage(texts::hungarian));
        forgetChoice();
    }

    // A text without its English would show Hungarian in the English program.
    void everyTextHasItsEnglish() {
        const QList<Message> messages = englishMessages();
        QVERIFY(messages.size() > 100);
        QStringList unfinished;
        for (const Message& m : messages)
            if (!m.finished)
                unfinished << m.context + QStringLiteral(": ") + m.source;
        QVERIFY2(unfinished.isEmpty(), qPrintable(unfinished.join(QStringLiteral(" | "))));
        // The names the rules and the engine put together from keys: every card, and every kind
        // of hold a chart of any game can name.
        QVERIFY(shell::setLanguage(texts::english));
        const kartavo::Translate english = texts::keyTranslator();
        QStringList names;
        for (int rank = 1; rank <= 13; ++rank)
            for (int suit = 1; suit <= 4; ++suit)
                names << QString::fromStdString(
                    kartavo::spokenCardName(kartavo::cardFileName(rank, suit), english));
        std::vector<kartavo::ChartRules> games = {kartavo::gameChartRules()};
        for (kartavo::Family family : kartavo::families())
            games.push_back(kartavo::familyRules(family).chartRules);
        for (const auto& rules : games)
            for (const kartavo::HoldKind& kind : kartavo::candidateKinds(rules))
                names << QString::fromStdString(kartavo::kindName(kind, rules, english));
        QStringList left;
        for (const QString& name : names)
            if (hasHungarianLetter(name) || name.contains(QStringLiteral(" lap")))
                left << name;
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QStringLiteral(" | "))));
    }

    void everyWindowSpeaksEnglish() {
        QVERIFY(shell::setLanguage(texts::english));
        trainer::Trainer::setWarnsOfCostlyExchange(true);
        open("2h 5h 9h Jh Kc 3c 4d");
        click(button("Command1"));
        expectEnglish(table);
        // The warning: marking the four hearts to exchange is not the best.
        for (int i = 0; i < 2; ++i)
            click(control<controls::PictureBox>(table, QStringLiteral("Picture1_%1").arg(i)));
        click(button("Command4"));
        trainer::ExchangeWarning* warning = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* q = qobject_cast<trainer::ExchangeWarning*>(w); q && q->isVisible())
                warning = q;
        trainer::Trainer::setWarnsOfCostlyExchange(false);
        QVERIFY(warning);
        expectEnglish(warning);
        click(control<QPushButton>(warning, "Command1"));
        QVERIFY(!button("Command4")->isEnabled());
        std::unique_ptr<QMenu> menu(table->contextMenu());
        expectEnglish(menu.get());
        for (QWidget* w : openEveryWindow())
            expectEnglish(w);
    }

    // Every open window changes at once, and back; the choice holds for the next start.
    void switchingChangesEveryOpenWindow() {
        open("As Ks Qs Js 9h");
        click(button("Command1"));
        const QList<QWidget*> windows = openEveryWindow();
        choose(QStringLiteral("English"));
        for (QWidget* w : windows)
            expectEnglish(w);
        QCOMPARE(texts::startLanguage(), texts::english);
        choose(QStringLiteral("Magyar"));
        QCOMPARE(plain(button("Command1")->text()), QStringLiteral("Keverés"));
        QCOMPARE(control<QGroupBox>(table, "Frame1")->title(), QStringLiteral("A Te lapjaid:"));
        QCOMPARE(texts::startLanguage(), texts::hungarian);
    }

    // A damaged or foreign settings file gives the language of the system, and is kept.
    void damagedSettingsGiveTheDefault_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("garbage") << QByteArray("\x00\x01\xff[[[\n=\n", 10);
        QTest::newRow("unknown language") << QByteArray("[General]\nlanguage=xx\n");
        QTest::newRow("empty") << QByteArray();
    }
    void damagedSettingsGiveTheDefault() {
        QFETCH(QByteArray, content);
        const QString file = settingsFile();
        if (!file.endsWith(QStringLiteral(".conf")) && !file.endsWith(QStringLiteral(".ini")))
            QSKIP("the settings are not a file here");
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        const QString system =
            texts::defaultLanguage(QLocale::system().uiLanguages(), texts::languages());
        QCOMPARE(texts::startLanguage(), system);
        QVERIFY(shell::chooseLanguage(texts::english));
        QCOMPARE(texts::startLanguage(), texts::english);
    }

    void defaultLanguage_data() {
        QTest::addColumn<QStringList>("system");
        QTest::addColumn<QString>("language");
        QTest::newRow("Hungarian") << QStringList{"hu-HU", "hu"} << "hu";
        QTest::newRow("C locale") << QStringList{"C"} << "hu";
        QTest::newRow("none") << QStringList{} << "hu";
        QTest::newRow("English") << QStringList{"en-GB", "en"} << "en";
        QTest::newRow("German") << QStringList{"de-DE", "de"} << "en";
        QTest::newRow("German, then Hungarian") << QStringList{"de-DE", "hu-HU"} << "en";
        QTest::newRow("a translated language second") << QStringList{"it-IT", "fr-FR"} << "fr";
    }
    void defaultLanguage() {
        QFETCH(QStringList, system);
        QFETCH(QString, language);
        QCOMPARE(texts::defaultLanguage(system, {"hu", "en", "fr"}), language);
    }
};

QTEST_MAIN(LanguageTest)
#include "window_language_test.moc"
