#include "app/Dialog2.h"

#include "circuits/ui/FrmKontur2.h"
#include "ui/Forms.h"

namespace vokta::ui {

Dialog2::Dialog2()
    : DescriptionDialog(
          QStringLiteral(
              "В предлагаемой методике расчета колебательного контура частотная шкала линеаризуется по трем "
              "точкам - на краях и в середине диапазона перестройки. Методика особенно удобна для расчета "
              "контуров умножителей частоты, трансиверов, приемников, так как при ее использовании, кроме "
              "линеаризации шкалы по частоте настройки, автоматически выполняются условия сопряжения "
              "различных "
              "контуров (например, входного и гетеродинного), перестраиваемых секционированным КПЕ в трех "
              "точках"),
          {2040, 2160, 2625, "OKButton"}) {
    setObjectName(QStringLiteral("Dialog2"));
}

void Dialog2::OKButton_Click() {
    Forms::Unload(this);
    Forms::Show<FrmKontur2>();
}

}  // namespace vokta::ui
