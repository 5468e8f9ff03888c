// The schematic pictures of the catalogue, as the windows show them.
#include "support/Gallery.h"
#include "ui/Pictures.h"

VOKTA_GALLERY_PAGE(Pictures) {
    for (const int number : vokta::ui::PictureNumbers())
        g.save(QStringLiteral("Picture%1").arg(number), vokta::ui::LoadPicture(number));
}
