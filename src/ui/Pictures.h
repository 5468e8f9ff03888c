#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

#include "filters/FilterCircuit.h"
#include "ui/Schematic.h"

namespace vokta::ui {

// The schematic pictures of the program, numbered 101 to 130, each at its catalogue size in pixels,
// drawn once and cached. Any other number gives a null pixmap.
QPixmap LoadPicture(int number);

// The circuit diagram of the band-spread calculator: coil L1 on the left, C1 above C2 in series across
// it, the variable capacitor C3 from their junction to the lower end of L1, C4 across the whole circuit.
// It belongs to that window rather than to the numbered catalogue.
QPixmap LoadBandSpreadDiagram();

// The catalogue size of a picture, or an invalid size for a number that is not in the catalogue.
QSize PictureSize(int number);

namespace pictures {

using schematic::ElementKind;

struct Component {
    ElementKind kind;
    QString designator;
};

// The ladder drawn by a passive filter picture, as the filter calculator describes it; empty for a
// number that draws none.
std::vector<LadderBranch> LadderOf(int number);

// A second-order section around an amplifier: two series elements from its input to the non-inverting
// input, the feedback element from the node between them to the output, the element from the
// non-inverting input to ground, and the divider on the inverting input.
struct ActiveSection {
    Component series1, series2, feedback, shunt;
    QString amplifier, dividerFromOutput, dividerToGround;
};
// The first-order group at the input of an odd-order active filter: one element in series, one to ground.
struct FirstOrderGroup {
    Component series, shunt;
};
struct ActiveFilter {
    std::optional<FirstOrderGroup> group;
    std::vector<ActiveSection> sections;  // in cascade, from the input
};

// The circuit drawn by an active filter picture; nothing for any other number.
std::optional<ActiveFilter> ActiveFilterOf(int number);

// The recorded drawing behind a picture, for inspection: an empty scene for a number not in the catalogue.
schematic::Scene DrawPicture(int number);
schematic::Scene DrawBandSpreadDiagram();
// The size of the band-spread diagram.
QSize BandSpreadDiagramSize();

}  // namespace pictures

}  // namespace vokta::ui
