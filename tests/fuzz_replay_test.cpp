// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The fuzz targets without libFuzzer: every input kept in tests/fuzz (the faults fuzzing found,
// in found/, and the seeds, in corpus/) fed once more to its target, so that what was fixed
// stays fixed and the targets' checks hold for the files the program writes.
#include "fuzz/fuzz_targets.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <iterator>

namespace {

const fuzz::Target* const targets[] = {&fuzz::progressTarget, &fuzz::settingsTarget,
                                       &fuzz::paytableTarget, &fuzz::handsTarget,
                                       &fuzz::mediaTarget};

} // namespace

class FuzzReplayTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        for (const fuzz::Target* target : targets)
            target->prepare();
    }

    void replay_data() {
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("path");
        const QDir inputs(QStringLiteral(KARTAVO_FUZZ_INPUTS));
        int rows = 0;
        for (int target = 0; target < int(std::size(targets)); ++target)
            for (const char* kind : {"found", "corpus"}) {
                const QString name = QLatin1String(targets[target]->name);
                const QDir folder(inputs.filePath(QLatin1String(kind) + '/' + name));
                for (const QString& file : folder.entryList(QDir::Files, QDir::Name)) {
                    const QString row = QStringLiteral("%1/%2/%3").arg(kind, name, file);
                    QTest::newRow(qPrintable(row)) << target << folder.filePath(file);
                    ++rows;
                }
            }
        QVERIFY2(rows > 0, "no inputs in " KARTAVO_FUZZ_INPUTS);
    }
    void replay() {
        QFETCH(int, target);
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        targets[target]->run(file.readAll());
    }
};

QTEST_MAIN(FuzzReplayTest)
#include "fuzz_replay_test.moc"
