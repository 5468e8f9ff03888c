#include "app/Dialog1.h"

#include "circuits/ui/frmKontur1.h"
#include "ui/Forms.h"

namespace vokta::ui {

Dialog1::Dialog1()
    : DescriptionDialog(
          QStringLiteral(
              "В практике конструирования радиоаппаратуры нередко возникает следующая ситуация. "
              "Колебательный "
              "контур, образованный имеющимися в распоряжении радиолюбителя катушкой индуктивности и "
              "конденсатором переменной емкости (или варикапом), перекрывает больший, чем необходимо, "
              "диапазон "
              "частот. Выйти из этого затруднения можно, как известно, включив в контур дополнительные "
              "конденсаторы. Чтобы правильно подобрать их емкости и предназначена эта программа"),
          {1680, 1920, 2385, "cmdOK"}) {
    setObjectName(QStringLiteral("Dialog1"));
}

void Dialog1::cmdOK_Click() {
    Forms::Unload(this);
    Forms::Show<frmKontur1>();
}

}  // namespace vokta::ui
