// The schematic pictures and the band-spread diagram, as the windows show them.
#include "support/Gallery.h"
#include "ui/Pictures.h"

VOKTA_GALLERY_PAGE(Pictures) {
    for (int number = 101; number <= 130; ++number)
        g.save(QStringLiteral("Picture%1").arg(number), vokta::ui::LoadPicture(number));
    g.save(QStringLiteral("BandSpreadDiagram"), vokta::ui::LoadBandSpreadDiagram());
}
