// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "how_to_play.h"

#include <QCoreApplication>

namespace howto {

QString howToPlayText() {
    // Each paragraph is one text to translate; the blanks belong to the paragraphs.
    static constexpr const char* paragraphs[] = {
        QT_TRANSLATE_NOOP("options", "A Keverés gombra kattintva öt lapot oszt nekünk a program."),
        QT_TRANSLATE_NOOP("options",
                          "Ezután az egérrel kijelölhetjük azokat a lapokat, amelyeket cserélni "
                          "akarunk, majd a Csere gombra kattintva ez meg is történik."),
        QT_TRANSLATE_NOOP("options",
                          "A x1  x2  x5  x10  gombok valamelyikére kattintva a nyeremények összege "
                          "ennyiszeresére növelhető. Természetesen ekkor a tét összege is "
                          "ennyiszeres lesz!"),
        QT_TRANSLATE_NOOP("options",
                          "A szorzók módosítása is pénzbe kerül, ára az alaptét összege. Ez "
                          "kizárólag osztás után és csere előtt tehetjük meg, hiszen "
                          "tulajdonképpen ezzel licitálunk a leosztott lapokra."),
    };
    QString text;
    for (const char* paragraph : paragraphs) {
        if (!text.isEmpty())
            text += QStringLiteral("\n\r\n\r");
        text += QCoreApplication::translate("options", paragraph);
    }
    return text;
}

QString displayText(const QString& text) {
    return QString(text).remove(QLatin1Char('\r'));
}

} // namespace howto
