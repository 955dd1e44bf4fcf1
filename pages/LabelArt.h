#pragma once

#include "pages/LabelDesign.h"

#include <QString>

// Why a picture cannot be drawn (no bytes, not a PNG, JPEG or SVG that can be
// read), as a German sentence naming its file; empty when it can.
QString pictureProblem(const LabelPicture &picture);

// Why a code cannot be made of a text (too long for the symbology or the
// area, characters the symbology cannot hold, an EAN-13 that is not 12 or 13
// digits), as a German sentence; empty when it can.
QString codeProblem(const LabelCode &code, const QString &text);
