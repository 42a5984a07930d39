// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The game as a native Wayland client on a Weston desktop (run by wayland_session.sh): what the
// player sees on the screen as Weston shows it, and what the game tells Weston of its windows.
#include "board.h"
#include "indit.h"
#include "options.h"
#include "practice_window.h"
#include "test_support.h"
#include "trainer.h"
#include "twips.h"

#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QtEndian>
#include <algorithm>
#include <optional>
#include <tuple>
#include <vector>

namespace {

// The screen as Weston shows it, read from Xvfb's frame buffer: an XWD file, a header of
// big-endian 32-bit fields, the window's name, a colour map, then the pixels (32 bits each, in
// the machine's order here).
QImage screen() {
    QFile file(qEnvironmentVariable("KARTAVO_SCREEN"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    if (data.size() < 100)
        return {};
    const auto field = [&data](int i) { return qFromBigEndian<quint32>(data.constData() + 4 * i); };
    const quint32 headerSize = field(0), width = field(4), height = field(5), bits = field(11),
                  bytesPerLine = field(12), colours = field(19);
    const qint64 pixels = qint64(headerSize) + 12 * qint64(colours);
    if (bits != 32 || field(7) != 0 /* least significant byte first */ ||
        data.size() < pixels + qint64(bytesPerLine) * height)
        return {};
    return QImage(reinterpret_cast<const uchar*>(data.constData() + pixels), int(width),
                  int(height), int(bytesPerLine), QImage::Format_RGB32)
        .copy();
}

bool samePixels(const quint32* a, const quint32* b, int count) {
    for (int i = 0; i < count; ++i)
        if ((a[i] ^ b[i]) & 0xffffffu)
            return false;
    return true;
}

// Where what a widget shows now stands on the screen whole, pixel for pixel (its top left
// corner); none when it does not.
std::optional<QPoint> whereOnScreen(QWidget* w, const QRect& part = {}) {
    const QImage shown = screen();
    const QImage wanted =
        w->grab(part.isNull() ? w->rect() : part).toImage().convertToFormat(QImage::Format_RGB32);
    if (shown.isNull() || wanted.isNull())
        return std::nullopt;
    // Looked for by a few of its rarest colours, then compared whole.
    const int width = wanted.width(), height = wanted.height();
    const auto pixel = [](const QImage& image, int x, int y) {
        return reinterpret_cast<const quint32*>(image.constScanLine(y))[x] & 0xffffffu;
    };
    QHash<quint32, int> uses;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            ++uses[pixel(wanted, x, y)];
    std::vector<std::tuple<int, int, int>> rarest; // uses, x, y
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            rarest.emplace_back(uses[pixel(wanted, x, y)], x, y);
    const auto probes = std::min<std::size_t>(rarest.size(), 16);
    std::partial_sort(rarest.begin(), rarest.begin() + std::ptrdiff_t(probes), rarest.end());
    rarest.resize(probes);
    for (int top = 0; top + height <= shown.height(); ++top)
        for (int left = 0; left + width <= shown.width(); ++left) {
            const bool likely = std::all_of(rarest.begin(), rarest.end(), [&](const auto& probe) {
                const auto [n, x, y] = probe;
                return pixel(shown, left + x, top + y) == pixel(wanted, x, y);
            });
            if (!likely)
                continue;
            bool whole = true;
            for (int row = 0; row < height && whole; ++row)
                whole = samePixels(
                    reinterpret_cast<const quint32*>(shown.constScanLine(top + row)) + left,
                    reinterpret_cast<const quint32*>(wanted.constScanLine(row)), width);
            if (whole)
                return QPoint(left, top);
        }
    return std::nullopt;
}

constexpr int slow = 15000; // milliseconds for Weston to show what changed

// Whether what a widget shows comes to stand on the screen whole, soon; where, in at.
bool seen(QWidget* w, const QRect& part = {}, std::optional<QPoint>* at = nullptr) {
    std::optional<QPoint> where;
    const bool found = QTest::qWaitFor(
        [&] {
            where = whereOnScreen(w, part);
            return where.has_value();
        },
        slow);
    if (at)
        *at = where;
    return found;
}

// A window as the game told Weston of it: its title and the window it belongs to.
struct Toplevel {
    QString title;
    int parent = -1; // index in the list, -1 for none
};

// Every window the game has made so far, in the order it made them, from its Wayland requests.
QList<Toplevel> toplevels() {
    QFile file(qEnvironmentVariable("KARTAVO_WAYLAND_LOG"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    static const QRegularExpression created(
        R"re(-> xdg_surface@\d+\.get_toplevel\(new id xdg_toplevel@(\d+)\))re"),
        titled(R"re(-> xdg_toplevel@(\d+)\.set_title\("(.*)"\)$)re"),
        parented(R"re(-> xdg_toplevel@(\d+)\.set_parent\((?:xdg_toplevel@(\d+)|nil)\))re");
    QList<Toplevel> made;
    QHash<QString, qsizetype> byId; // the Wayland object ids in use now
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (const auto create = created.match(line); create.hasMatch()) {
            byId[create.captured(1)] = made.size();
            made.append(Toplevel{});
        } else if (const auto title = titled.match(line);
                   title.hasMatch() && byId.contains(title.captured(1))) {
            made[byId[title.captured(1)]].title = title.captured(2);
        } else if (const auto parent = parented.match(line);
                   parent.hasMatch() && byId.contains(parent.captured(1))) {
            made[byId[parent.captured(1)]].parent = int(byId.value(parent.captured(2), -1));
        }
    }
    return made;
}

// Keeps the screen as a picture when asked to (KARTAVO_WAYLAND_KEEP names a folder).
void keepScreen(const QString& name) {
    const QString folder = qEnvironmentVariable("KARTAVO_WAYLAND_KEEP");
    if (!folder.isEmpty())
        screen().save(folder + '/' + name + ".png");
}

// A key pressed as a player's: to the control that has the focus.
void press(Qt::Key key) {
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target ? target : QApplication::activeWindow(), key);
}

} // namespace

class WaylandTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() {
        if (QTest::currentTestFailed())
            keepScreen("failed");
    }

    void initTestCase() {
        // Qt's own choice where both displays are named, as on a desktop with Xwayland.
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        QVERIFY(!qEnvironmentVariableIsEmpty("DISPLAY"));
        QVERIFY(!screen().isNull());
    }

    // From the splash to a deal, with the trainer's windows and the dialogs: the cards and the
    // buttons of the game stay in sight, every window opens where it can be seen, and the
    // dialogs belong to the table.
    void gameOnWayland() {
        MediaFolder folder;
        auto* splash = new indit;
        splash->timer().stop();
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        QVERIFY(seen(splash));
        const QList<Toplevel> atStart = toplevels();
        QCOMPARE(atStart.size(), 1);
        QCOMPARE(atStart[0].title, QStringLiteral("Kartavo")); // what a task list shows

        for (int tick = 1; tick < 35; ++tick) // the table opens at the 34th tick
            splash->Timer1_Timer();
        board* table = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* b = qobject_cast<board*>(w))
                table = b;
        QVERIFY(table);
        // Weston puts a new window anywhere on the screen, and lets a window that grows run off
        // it: the table is shown again until it stands where it leaves room for a trainer's
        // window beside it, as a desktop that keeps windows on the screen would have it.
        for (int shown = 0;; ++shown) {
            QVERIFY(QTest::qWaitForWindowExposed(table));
            std::optional<QPoint> at;
            QVERIFY(seen(table, {}, &at));
            const QSize room = screen().size();
            if (at->x() + 2 * table->width() <= room.width() &&
                at->y() + 2 * table->height() <= room.height())
                break;
            QVERIFY2(shown < 30, "Weston never leaves room beside the table");
            table->hide();
            QVERIFY(QTest::qWaitFor([table] { return !whereOnScreen(table); }, slow));
            table->show();
        }
        QVERIFY(becomesActive(table));
        click(control<QPushButton>(table, "Command1"));
        const QRect play = table->playArea();
        QVERIFY(seen(table, play));

        // Each trainer's window opens in sight, and the cards and buttons stay so.
        trainer::Trainer* coach = shell::trainerOf(table);
        press(Qt::Key_E);
        QVERIFY(coach->window() && coach->window()->isVisible());
        QVERIFY(seen(coach->window()));
        QVERIFY(seen(table, play));
        keepScreen("elemzes");
        table->focusExchange(); // back to the table, as a player's click on it
        press(Qt::Key_G);
        trainer::PracticeWindow* practice = coach->practiceWindow();
        QVERIFY(practice && practice->isVisible());
        QVERIFY(seen(practice));
        QVERIFY(seen(table, play));
        keepScreen("gyakorlas");
        // Asked for again, a window comes to the front.
        table->focusExchange();
        press(Qt::Key_E);
        QVERIFY(seen(coach->window()));
        QVERIFY(seen(table, play));

        // The keys 1 to 5 are the practice window's in it, the table's elsewhere.
        table->focusExchange();
        press(Qt::Key_G);
        QVERIFY(practice->isAncestorOf(QApplication::focusWidget()));
        press(Qt::Key_1);
        QCOMPARE(int(practice->marked()), 1);
        QCOMPARE(table->state().hand[0].mark, 'k');
        control<QPushButton>(table, "Command1")->setFocus();
        press(Qt::Key_2);
        QCOMPARE(table->state().hand[1].mark, 'h');
        QCOMPARE(int(practice->marked()), 1);

        // Escape closes a window beside the table; with none left, the table is as it was.
        practice->setFocus();
        press(Qt::Key_Escape);
        QTRY_VERIFY(coach->window()->isVisible());
        coach->window()->setFocus();
        press(Qt::Key_Escape);
        QTRY_COMPARE(table->size(), controls::pxRect(0, 0, 10065, 6375).size());
        QVERIFY(seen(table));

        // The dialogs belong to the table.
        click(control<QPushButton>(table, "Command6"));
        QVERIFY(table->optionsWindow()->isVisible());
        QVERIFY(seen(table->optionsWindow()));
        keepScreen("beallitasok");
        table->optionsWindow()->close();
        control<QLabel>(table, "Label5")->setText(" 2");
        click(control<QPushButton>(table, "Command1")); // the money runs out
        QVERIFY(shell::restartDialogOf(table));
        QVERIFY(QTest::qWaitForWindowExposed(shell::restartDialogOf(table)));
        const QList<Toplevel> made = toplevels();
        const auto titled = [&made](const QString& title) {
            for (qsizetype i = made.size() - 1; i >= 0; --i)
                if (made[i].title == title)
                    return int(i);
            return -1;
        };
        const int tableAt = titled("Kartavo");
        QVERIFY(tableAt > 0);
        for (const QString& dialog :
             {QStringLiteral("Beállítások"), QStringLiteral("Kartavo - by Morvane")}) {
            QVERIFY2(titled(dialog) > tableAt, qPrintable(dialog));
            QVERIFY2(made[titled(dialog)].parent == tableAt, qPrintable(dialog));
        }
    }
};

QTEST_MAIN(WaylandTest)
#include "window_wayland_test.moc"
