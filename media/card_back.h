// The card back in force is a copy of one of the eight designs, hat0.bmp to hat7.bmp in the
// program folder. It has no double-size twin of its own: on a dense display it is shown from the
// twin of the design whose file it is a copy of, and from its own pixels when it is a copy of
// none.
#pragma once

#include "pictures.h"

#include <QString>

namespace media {

// The design file whose content is the same as the back file's, wherever the back lies; empty
// when the back cannot be read or is a copy of no design.
QString designOfBack(const QString& backPath);

// The back at backPath, drawn for the display as every picture is.
QPixmap loadCardBack(const QString& backPath, qreal ratio = displayPixelRatio());

} // namespace media
