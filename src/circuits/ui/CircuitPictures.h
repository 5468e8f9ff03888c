#pragma once

// The pictures of the tuned-circuit calculators: the three-point circuit of the catalogue and the
// band-spread circuit, which its window shows beside its inputs.

#include <QPixmap>
#include <QSize>

#include "ui/Schematic.h"

namespace vokta::ui {

// Enters the three-point circuit in the picture catalogue.
void RegisterCircuitPictures();

// The circuit diagram of the band-spread calculator: coil L1 on the left, C1 above C2 in series across
// it, the variable capacitor C3 from their junction to the lower end of L1, C4 across the whole circuit.
// It belongs to that window rather than to the numbered catalogue; drawn once and cached.
QPixmap LoadBandSpreadDiagram();

namespace pictures {

// The recorded drawing of the band-spread diagram, for inspection, and its size.
schematic::Scene DrawBandSpreadDiagram();
QSize BandSpreadDiagramSize();

}  // namespace pictures

}  // namespace vokta::ui
