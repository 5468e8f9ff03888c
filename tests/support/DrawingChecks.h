#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include "ui/Schematic.h"

namespace vokta::test {

// What every drawing of the program must be, checked with QVERIFY (so call it from a Qt Test function):
// Latin designators; black ink on white, none at the edges, centred and using most of its picture; wires
// that stop at the terminal circles; labels clear of every line and of each other. `image` is the
// drawing as the window shows it at `size`; `name` says in a failure which drawing it was.
void CheckDrawing(const QString& name, const ui::schematic::Scene& scene, QSize size, const QImage& image);

}  // namespace vokta::test
