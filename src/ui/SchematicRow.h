#pragma once

// A circuit drawn as a row of blocks along one signal line, from the input terminal on the left to the
// output terminal on the right, with ground below. Each block knows the width it takes on the line, where
// the line enters and leaves it, and how far its lettering and parts reach above and below the line
// (designators of shunt elements hang out beside them, terminal words over the wire). The row spreads the
// blocks over the picture's width with stretches of wire between them as even as their lettering allows.
//
// The kit has the blocks of a ladder (elements in the line, to ground, alone, in series or in parallel); a
// calculator with a circuit of its own shape adds its block by deriving from Block.

#include <QString>
#include <memory>
#include <vector>

#include "ui/Schematic.h"

namespace vokta::ui::schematic {

// One component of a drawn circuit: its symbol and the designator written beside it.
struct Component {
    ElementKind kind;
    QString designator;
};

inline constexpr qreal kLead = 6;  // wire between a series element's body and its pin
inline constexpr qreal kLabelGap = 3;

// The width of the ink of a label in the drawings' lettering, whole pixels.
qreal LabelWidth(const QString& text);

// A stretch of x, relative to a block's left edge; empty when to <= from.
struct Span {
    qreal from = 0, to = 0;
    bool IsEmpty() const { return to <= from; }
};

class Block {
public:
    virtual ~Block() = default;
    virtual qreal Width() const = 0;
    virtual qreal LeftPort() const { return 0; }
    virtual qreal RightPort() const { return Width(); }
    // A shunt position: the line passes through a junction at its port.
    virtual bool IsNode() const { return false; }
    // How far below the line its ground must lie.
    virtual qreal Drop() const { return 0; }
    // What the block draws above the line, and below it.
    virtual Span Above() const { return {0, Width()}; }
    virtual Span Below() const { return {}; }
    virtual void Draw(Scene& scene, qreal x, qreal line, qreal ground) const = 0;
};

using Blocks = std::vector<std::unique_ptr<Block>>;

// One element, or two in series, in the line, designators above.
std::unique_ptr<Block> SeriesBlock(std::vector<Component> parts);
// Two elements in parallel in the line: the first on the line, designator below, the second on a bridge
// above it, designator above.
std::unique_ptr<Block> ParallelSeriesBlock(Component onLine, Component bridged);
// One element from the line to ground, or two in series, the first at the top; designators beside them.
std::unique_ptr<Block> ShuntBlock(std::vector<Component> parts, Side labelSide = Side::Right);
// Two elements in parallel from the line to ground, side by side between two short buses; the first's
// designator on its left, the second's on its right.
std::unique_ptr<Block> ParallelShuntBlock(Component first, Component second);

// Lays the blocks out between the input and output terminals ("Вход", "Выход") across the picture's
// width, the ground at least `minimumGround` under the line. A width of 0 makes the row as wide as its
// blocks need with a comfortable stretch of wire between them.
Scene DrawRow(Blocks blocks, int pictureWidth, qreal minimumGround);

}  // namespace vokta::ui::schematic
