#include "common/Pictures.h"

#include <QHash>
#include <QPainter>

namespace vokta::ui {

QSize PictureSize(int number) {
    static const QHash<int, QSize> sizes{
        {101, {215, 186}}, {102, {220, 186}}, {103, {220, 186}}, {104, {215, 153}}, {105, {215, 153}},
        {106, {215, 153}}, {107, {215, 153}}, {108, {231, 153}}, {109, {240, 153}}, {110, {215, 153}},
        {111, {215, 153}}, {112, {234, 153}}, {113, {234, 153}}, {114, {272, 153}}, {115, {286, 153}},
        {116, {264, 153}}, {117, {309, 153}}, {118, {454, 153}}, {119, {502, 153}}, {120, {264, 153}},
        {121, {300, 153}}, {122, {450, 153}}, {123, {497, 153}}, {124, {216, 153}}, {125, {243, 153}},
        {126, {323, 153}}, {127, {193, 154}}, {128, {219, 154}}, {129, {304, 154}}, {130, {144, 86}},
    };
    return sizes.value(number, QSize());
}

QPixmap LoadPicture(int number) {
    const QSize size = PictureSize(number);
    if (!size.isValid()) return {};
    QPixmap picture(size);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    painter.drawText(picture.rect(), Qt::AlignCenter, QString::number(number));
    return picture;
}
QPixmap LoadBandSpreadDiagram() {
    QPixmap picture(QSize(200, 150));
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawRect(0, 0, 199, 149);
    return picture;
}

}  // namespace vokta::ui
