#include "transformer/ui/FrmTransResults.h"

#include <QApplication>
#include <QClipboard>
#include <QColor>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "transformer/ui/FrmTrans.h"
#include "ui/Application.h"
#include "ui/Boxes.h"
#include "ui/Controls.h"
#include "ui/Forms.h"
#include "ui/ReportPrinter.h"

namespace vokta::ui {

namespace {

constexpr int kNameColumn = 0, kValueColumn = 1, kUnitColumn = 2;
const QString kEstimate = QStringLiteral(" (оценка)");
// Room left on the screen for a title bar whose height is not known until the window is shown, px; and the
// least height of the table, whatever the screen, px.
constexpr int kTitleBarHeight = 48, kLeastTableHeight = 160;

// A value to four significant digits in the user's number format, with a zero before the decimal
// separator and without digit groups ("0,1932", "17,31", "1250"); the report prints every digit.
QString ValueText(double x) {
    if (x == 0 || !std::isfinite(x)) return LocaleNumberText(x);
    const int decimals = 3 - int(std::floor(std::log10(std::fabs(x))));
    const double scale = std::pow(10.0, std::abs(decimals));
    return LocaleNumberText(decimals >= 0 ? std::round(x * scale) / scale : std::round(x / scale) * scale);
}
// A count of turns, whole as it is wound.
QString TurnsText(double turns) {
    return LocaleNumberText(turns);
}

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(alignment);
    return item;
}

// The rows of the table: a bold heading across it, a value with its name and unit, a line across it.
void Section(QTableWidget* table, const QString& heading) {
    const int row = table->rowCount();
    table->insertRow(row);
    QTableWidgetItem* item = Cell(heading);
    QFont bold = table->font();
    bold.setBold(true);
    item->setFont(bold);
    item->setBackground(table->palette().alternateBase());
    table->setItem(row, kNameColumn, item);
    table->setSpan(row, kNameColumn, 1, 3);
}
void Value(QTableWidget* table, const QString& name, const QString& number, const QString& unit,
           const QString& toolTip = {}) {
    const int row = table->rowCount();
    table->insertRow(row);
    table->setItem(row, kNameColumn, Cell(name));
    table->setItem(row, kValueColumn, Cell(number, Qt::AlignRight | Qt::AlignVCenter));
    table->setItem(row, kUnitColumn, Cell(unit));
    for (int column : {kNameColumn, kValueColumn}) table->item(row, column)->setToolTip(toolTip);
}
// A verdict: red where something is wrong, green where all is well.
void Verdict(QTableWidget* table, const QString& text, bool good = false) {
    const int row = table->rowCount();
    table->insertRow(row);
    QTableWidgetItem* item = Cell(text);
    item->setForeground(good ? QColor(0x1b, 0x6e, 0x20) : QColor(0xb0, 0x00, 0x20));
    table->setItem(row, kNameColumn, item);
    table->setSpan(row, kNameColumn, 1, 3);
}

// A whole percentage: "46".
QString PercentText(double share) {
    return LocaleNumberText(std::round(100 * share));
}
QString CountText(int n) {
    return LocaleNumberText(double(n));
}

}  // namespace

FrmTransResults::FrmTransResults() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("FrmTransResults"));
    setWindowTitle(QStringLiteral("Результаты расчета трансформатора"));
    setAttribute(Qt::WA_DeleteOnClose, false);  // the form registry unloads it

    TblResults = new QTableWidget(0, 3, this);
    TblResults->setObjectName(QStringLiteral("TblResults"));
    TblResults->setHorizontalHeaderLabels(
        {QStringLiteral("Величина"), QStringLiteral("Значение"), QStringLiteral("Единица")});
    TblResults->verticalHeader()->hide();
    TblResults->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TblResults->setSelectionMode(QAbstractItemView::ExtendedSelection);
    TblResults->setWordWrap(false);
    // The window is never narrower than the table's columns (FitToTable).
    TblResults->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    LblRipple = new QLabel(QStringLiteral("&Пульсации выпрямителей, не более:"), this);
    LblRipple->setObjectName(QStringLiteral("LblRipple"));
    CmbRipple = new QComboBox(this);
    CmbRipple->setObjectName(QStringLiteral("CmbRipple"));
    CmbRipple->setEditable(false);
    for (double share : vokta::kRippleShares) CmbRipple->addItem(PercentText(share) + QStringLiteral(" %"));
    CmbRipple->setCurrentIndex(1);
    CmbRipple->setToolTip(
        QStringLiteral("Размах пульсаций в долях постоянного напряжения, по которому "
                       "выбирается емкость конденсатора фильтра"));
    LblRipple->setBuddy(CmbRipple);
    connect(CmbRipple, &QComboBox::currentIndexChanged, this, &FrmTransResults::CmbRipple_Click);

    CmdCopy = new QPushButton(QStringLiteral("Копировать"), this);
    CmdCopy->setObjectName(QStringLiteral("CmdCopy"));
    CmdCopy->setToolTip(QStringLiteral("Скопировать таблицу в буфер обмена"));
    CmdPdf = new QPushButton(QStringLiteral("PDF…"), this);
    CmdPdf->setObjectName(QStringLiteral("CmdPdf"));
    CmdPdf->setToolTip(QStringLiteral("Сохранить отчет о расчете в файл PDF"));
    CmdClose = new QPushButton(QStringLiteral("Закрыть"), this);
    CmdClose->setObjectName(QStringLiteral("CmdClose"));
    for (QPushButton* button : {CmdCopy, CmdPdf, CmdClose}) button->setMinimumWidth(97);  // 1455 twips
    connect(CmdCopy, &QPushButton::clicked, this, &FrmTransResults::CmdCopy_Click);
    connect(CmdPdf, &QPushButton::clicked, this, &FrmTransResults::CmdPdf_Click);
    connect(CmdClose, &QPushButton::clicked, this, &FrmTransResults::CmdClose_Click);
    // Enter and Esc close the window, as they would a message; Enter on another button presses that one.
    UseCalculatorKeys(this, CmdClose, CmdClose);

    auto* buttons = new QHBoxLayout();
    buttons->addWidget(CmdCopy);
    buttons->addWidget(CmdPdf);
    buttons->addStretch(1);
    buttons->addWidget(CmdClose);
    auto* ripple = new QHBoxLayout();
    ripple->addWidget(LblRipple);
    ripple->addWidget(CmbRipple);
    ripple->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(ripple);
    layout->addWidget(TblResults, 1);
    layout->addLayout(buttons);
    const QList<QWidget*> order{CmbRipple, TblResults, CmdCopy, CmdPdf, CmdClose};
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

FrmTransResults* FrmTransResults::Open(const vokta::TransformerDesign& design,
                                       const vokta::TransformerBuildInput& build) {
    FrmTransResults* form = Forms::Load<FrmTransResults>();
    form->design_ = design;
    vokta::KeepWindingArrays(form->design_);
    form->build_ = build;
    form->Fill();
    form->CmdClose->setFocus();  // Enter, Space or Esc closes the window at once
    return Forms::Show<FrmTransResults>();
}

void FrmTransResults::CmbRipple_Click(int) {
    Fill();
}

void FrmTransResults::Fill() {
    const vokta::TransformerDesign& d = design_;
    QTableWidget* table = TblResults;
    table->clearSpans();
    table->setRowCount(0);
    const QString volt = QStringLiteral("В"), ampere = QStringLiteral("А"), mm = QStringLiteral("мм"),
                  turns = QStringLiteral("вит."), watt = QStringLiteral("Вт");

    Section(table, QStringLiteral("Сердечник"));
    Value(table, QStringLiteral("Допустимая мощность сердечника"),
          ValueText(vokta::CorePower(d, build_.type)), watt);
    Value(table, QStringLiteral("Требуемая мощность вторичных обмоток"), ValueText(d.SecondaryPower), watt);
    if (const std::optional<float> flux = vokta::SteelFluxDensity(d)) {
        Value(table, QStringLiteral("Индукция в стали") + kEstimate, ValueText(*flux), QStringLiteral("Тл"),
              QStringLiteral("Амплитуда индукции в стали при намотанном числе витков первичной обмотки, "
                             "с учетом заполнения сечения сердечника сталью"));
        if (vokta::NearSaturation(*flux))
            Verdict(table, QStringLiteral("Индукция выше %1 Тл: сталь близка к насыщению")
                               .arg(LocaleNumberText(vokta::kSteelSaturationT)));
    }

    Section(table, QStringLiteral("Первичная обмотка"));
    Value(table, QStringLiteral("Ток"), ValueText(d.PrimaryCurrent), ampere);
    Value(table, QStringLiteral("Диаметр провода"), ValueText(d.PrimaryWireDiameter), mm);
    Value(table, QStringLiteral("Число витков"), TurnsText(d.PrimaryTurns), turns);

    const QString noLoadTip =
        QStringLiteral(
            "Амплитуда напряжения обмотки без нагрузки (ее число витков, умноженное на напряжение "
            "витка первичной обмотки) за вычетом падения на двух диодах моста, 2 × %1 В")
            .arg(LocaleNumberText(vokta::kDiodeDropV));
    for (int i = 1; i <= d.SecondaryCount; ++i) {
        Section(table, QStringLiteral("Вторичная обмотка %1").arg(i));
        Value(table, QStringLiteral("Переменное напряжение"), ValueText(d.SecVoltage[i]), volt);
        Value(table, QStringLiteral("Ток"), ValueText(d.SecCurrent[i]), ampere);
        Value(table, QStringLiteral("Обратное напряжение на диоде моста"),
              ValueText(d.DiodeReverseVoltage[i]), volt);
        Value(table, QStringLiteral("Ток через диод моста"), ValueText(d.DiodeCurrent[i]), ampere);
        Value(table, QStringLiteral("Диаметр провода"), ValueText(d.SecWireDiameter[i]), mm);
        Value(table, QStringLiteral("Число витков"), TurnsText(d.SecTurns[i]), turns);
        if (const std::optional<float> noLoad = vokta::NoLoadDcVoltage(d, i))
            Value(table, QStringLiteral("Напряжение выпрямителя без нагрузки") + kEstimate,
                  ValueText(*noLoad), volt, noLoadTip);
    }

    // The transformer as it is wound and switched on; a design it cannot be built from says why instead.
    build_.rippleShare = vokta::kRippleShares[std::max(CmbRipple->currentIndex(), 0)];
    try {
        FillBuild(vokta::BuildTransformer(d, build_));
    } catch (const vokta::RuntimeError& error) {
        Verdict(table, ErrorSentence(error));
    }
    FitToTable();
}

void FrmTransResults::FillBuild(const vokta::TransformerBuild& b) {
    QTableWidget* table = TblResults;
    const QString volt = QStringLiteral("В"), ampere = QStringLiteral("А"), mm = QStringLiteral("мм"),
                  ohm = QStringLiteral("Ом"), watt = QStringLiteral("Вт"), percent = QStringLiteral("%");
    const bool toroid = build_.type == vokta::CoreType::Toroidal;
    auto name = [](size_t i) {
        return i == 0 ? QStringLiteral("Первичная") : QStringLiteral("Вторичная %1").arg(i);
    };

    Section(table, QStringLiteral("Провод по IEC 60317 (эмаль класса 2)"));
    for (size_t i = 0; i < b.windings.size(); ++i) {
        const vokta::WindingBuild& w = b.windings[i];
        const QString wire = w.strands > 1
                                 ? QStringLiteral("%1 × %2").arg(w.strands).arg(ValueText(w.wire.nominalMm))
                                 : ValueText(w.wire.nominalMm);
        Value(table, name(i) + QStringLiteral(": диаметр провода"), wire, mm,
              w.strands > 1 ? QStringLiteral("Провода такой толщины нет: обмотка мотается %1 проводами "
                                             "рядом, соединенными параллельно")
                                  .arg(w.strands)
                            : QString());
        Value(table, name(i) + QStringLiteral(": диаметр по эмали, не более"), ValueText(w.wire.overallMm),
              mm);
    }

    const vokta::WindowFill& f = b.window;
    if (toroid) {
        Section(table, QStringLiteral("Намотка на тороид"));
        for (size_t i = 0; i < b.windings.size(); ++i) {
            Value(table, name(i) + QStringLiteral(": толщина намотки в отверстии"),
                  ValueText(b.windings[i].buildMm), mm);
            Value(table, name(i) + QStringLiteral(": средняя длина витка"),
                  ValueText(b.windings[i].meanTurnMm), mm);
        }
        Value(
            table, QStringLiteral("Доля отверстия, занятая проводом"), PercentText(f.holeShare), percent,
            QStringLiteral("Провод занимает не больше %1 % отверстия: остальное нужно для челнока и изоляции")
                .arg(PercentText(vokta::kToroidHoleShare)));
        Value(table, QStringLiteral("Диаметр отверстия после намотки"), ValueText(f.freeHoleMm), mm);
        if (f.fits)
            Verdict(table,
                    QStringLiteral("Обмотки помещаются в окно: заполнение %1 %").arg(PercentText(f.fill)),
                    true);
        else
            Verdict(table, QStringLiteral("Обмотки не помещаются в окно: провод занимает %1 % отверстия, а "
                                          "допустимо %2 %")
                               .arg(PercentText(f.holeShare), PercentText(vokta::kToroidHoleShare)));
    } else {
        const bool tape = build_.type == vokta::CoreType::Tape;
        Section(table, tape ? QStringLiteral("Намотка на два каркаса (по половине витков на каждом стержне)")
                            : QStringLiteral("Намотка на каркас"));
        Value(table, QStringLiteral("Ширина намотки между щечками каркаса"), ValueText(f.windingWidthMm), mm,
              QStringLiteral("Высота окна за вычетом двух щечек каркаса по %1 мм")
                  .arg(LocaleNumberText(vokta::kBobbinWallMm)));
        for (size_t i = 0; i < b.windings.size(); ++i) {
            const vokta::WindingBuild& w = b.windings[i];
            Value(table, name(i) + QStringLiteral(": витков в слое"), CountText(w.turnsPerLayer),
                  QStringLiteral("вит."));
            Value(table, name(i) + QStringLiteral(": число слоев"), CountText(w.layers), QString());
            Value(table, name(i) + QStringLiteral(": толщина намотки"), ValueText(w.buildMm), mm,
                  QStringLiteral("Слои провода с прокладками по %1 мм между ними")
                      .arg(LocaleNumberText(vokta::kInterlayerMm)));
            Value(table, name(i) + QStringLiteral(": средняя длина витка"), ValueText(w.meanTurnMm), mm);
        }
        Value(table, QStringLiteral("Толщина катушки с каркасом и изоляцией"), ValueText(f.buildMm), mm,
              QStringLiteral("Гильза каркаса %1 мм, обмотки и изоляция по %2 мм между обмотками и поверх "
                             "последней")
                  .arg(LocaleNumberText(vokta::kBobbinWallMm), LocaleNumberText(vokta::kInterwindingMm)));
        Value(table, tape ? QStringLiteral("Половина ширины окна c") : QStringLiteral("Ширина окна c"),
              ValueText(f.depthMm), mm);
        bool everyLayer = f.windingWidthMm > 0;
        for (const vokta::WindingBuild& w : b.windings) everyLayer = everyLayer && w.turnsPerLayer > 0;
        if (f.fits)
            Verdict(table,
                    QStringLiteral("Обмотки помещаются в окно: заполнение %1 %").arg(PercentText(f.fill)),
                    true);
        else if (!everyLayer)
            Verdict(table, QStringLiteral("Обмотки не помещаются в окно: провод толще ширины намотки"));
        else
            Verdict(table, QStringLiteral("Обмотки не помещаются в окно: заполнение %1 %, не хватает %2 мм")
                               .arg(PercentText(f.fill), ValueText(f.buildMm - f.depthMm)));
    }

    const QString hot = LocaleNumberText(std::round(b.runningCelsius));
    Section(table, QStringLiteral("Сопротивление обмоток и напряжение под нагрузкой"));
    for (size_t i = 0; i < b.windings.size(); ++i) {
        const vokta::WindingBuild& w = b.windings[i];
        Value(table, name(i) + QStringLiteral(": сопротивление при 20 °C"), ValueText(w.resistance20), ohm);
        Value(table, name(i) + QStringLiteral(": сопротивление при %1 °C").arg(hot),
              ValueText(w.resistanceHot), ohm, QStringLiteral("При рабочей температуре обмоток"));
        if (i == 0) continue;
        Value(table, name(i) + QStringLiteral(": напряжение без нагрузки"), ValueText(w.noLoadVoltage), volt);
        Value(table, name(i) + QStringLiteral(": напряжение при полной нагрузке"),
              ValueText(w.fullLoadVoltage), volt,
              QStringLiteral(
                  "Действующее напряжение, когда все обмотки отдают расчетный ток в активную нагрузку"));
    }

    const double density = design_.CurrentDensity;
    for (size_t i = 1; i < b.windings.size(); ++i) {
        const vokta::WindingBuild& w = b.windings[i];
        const vokta::RectifierChoice& r = *w.rectifier;
        const vokta::BridgeState& s = r.state;
        const double current = build_.loads[i - 1].current;
        Section(table, QStringLiteral("Выпрямитель вторичной обмотки %1 (моделирование)").arg(i));
        if (!r.currentMet) {
            if (!r.diodesConduct)
                Verdict(table, QStringLiteral("Напряжение обмотки слишком мало, чтобы открыть диоды моста"));
            else
                Verdict(table,
                        QStringLiteral("Обмотка не отдает ток нагрузки %1 А: даже при замыкании выхода "
                                       "выпрямитель дает %2 А")
                            .arg(ValueText(current), ValueText(s.dcVoltage / r.load)));
            continue;
        }
        Value(table, QStringLiteral("Сопротивление нагрузки"), ValueText(r.load), ohm,
              QStringLiteral("Сопротивление, которое при постоянном напряжении выпрямителя потребляет ток "
                             "нагрузки"));
        Value(table, QStringLiteral("Конденсатор фильтра (ряд E6)"), ValueText(r.capacitance * 1e6),
              QStringLiteral("мкФ"));
        Value(table, QStringLiteral("Номинальное напряжение конденсатора"),
              w.capacitorRating ? ValueText(*w.capacitorRating) : QStringLiteral("> 450"), volt,
              QStringLiteral(
                  "Не ниже амплитуды напряжения обмотки без нагрузки при сети на %1 % выше номинала: "
                  "%2 В")
                  .arg(PercentText(vokta::kMainsTolerance), ValueText(w.capacitorPeak)));
        Value(table, QStringLiteral("Постоянное напряжение под нагрузкой"), ValueText(s.dcVoltage), volt);
        Value(table, QStringLiteral("Ток нагрузки"), ValueText(s.dcVoltage / r.load), ampere);
        Value(table, QStringLiteral("Пульсации (от пика до пика)"), ValueText(s.ripple), volt);
        Value(table, QStringLiteral("Пульсации в долях постоянного напряжения"),
              ValueText(100 * s.ripple / s.dcVoltage), percent);
        Value(table, QStringLiteral("Пиковый ток диода"), ValueText(s.diodePeak), ampere);
        Value(table, QStringLiteral("Средний ток диода"), ValueText(s.diodeAverage), ampere);
        Value(table, QStringLiteral("Действующий ток обмотки"), ValueText(s.windingRms), ampere);
        Value(table, QStringLiteral("Плотность тока в проводе"), ValueText(w.rmsDensity),
              QStringLiteral("А/мм²"),
              QStringLiteral("Действующий ток обмотки, деленный на сечение провода"));
        if (!r.rippleMet)
            Verdict(table, QStringLiteral("Пульсации не удается снизить до %1 % конденсатором до 1 Ф")
                               .arg(PercentText(build_.rippleShare)));
        if (!w.capacitorRating)
            Verdict(table, QStringLiteral("Электролитических конденсаторов на напряжение выше 450 В нет"));
        if (w.rmsDensity > (1 + vokta::kDensityMargin) * density)
            Verdict(table, QStringLiteral("Плотность тока %1 А/мм² выше расчетной %2 А/мм² на %3 %: провод "
                                          "перегреется")
                               .arg(ValueText(w.rmsDensity), ValueText(density),
                                    PercentText(w.rmsDensity / density - 1)));
    }

    Section(table, QStringLiteral("Нагрев"));
    if (!b.heat) {
        Verdict(table, QStringLiteral("Потери в стали толщиной %1 мм неизвестны: нагрев не оценен")
                           .arg(LocaleNumberText(build_.steelThicknessMm)));
        return;
    }
    const vokta::TransformerHeat& h = *b.heat;
    Value(table, QStringLiteral("Потери в меди"), ValueText(h.copperLoss), watt,
          QStringLiteral("При действующих токах обмоток и их сопротивлении при рабочей температуре"));
    Value(table, QStringLiteral("Удельные потери в стали"), ValueText(h.specificLoss),
          QStringLiteral("Вт/кг"),
          QStringLiteral("Холоднокатаная анизотропная сталь (IEC 60404-8-7) при индукции в стали"));
    Value(table, QStringLiteral("Масса стали"), ValueText(h.steelMass), QStringLiteral("кг"));
    Value(table, QStringLiteral("Потери в стали"), ValueText(h.coreLoss), watt);
    Value(table, QStringLiteral("Поверхность охлаждения"), ValueText(h.surface), QStringLiteral("см²"),
          QStringLiteral("По произведению площадей сечения и окна (McLyman)"));
    Value(table, QStringLiteral("Перегрев"), ValueText(h.rise), QStringLiteral("К"));
    Value(
        table,
        QStringLiteral("Температура обмоток при %1 °C вокруг").arg(LocaleNumberText(vokta::kAmbientCelsius)),
        ValueText(h.windingCelsius), QStringLiteral("°C"));
    Value(table, QStringLiteral("Мощность, отдаваемая выпрямителям"), ValueText(h.outputPower), watt);
    Value(table, QStringLiteral("КПД"), ValueText(100 * h.efficiency), percent);
    if (h.rise > vokta::kRiseLimitK)
        Verdict(table, QStringLiteral("Перегрев %1 К выше допустимых %2 К: нужен сердечник больше")
                           .arg(ValueText(h.rise), LocaleNumberText(vokta::kRiseLimitK)));
    else
        Verdict(table,
                QStringLiteral("Перегрев %1 К не выше допустимых %2 К")
                    .arg(ValueText(h.rise), LocaleNumberText(vokta::kRiseLimitK)),
                true);
}

void FrmTransResults::FitToTable() {
    QTableWidget* table = TblResults;
    table->resizeColumnsToContents();
    // A section heading spans the row; its column must still be wide enough for it alone.
    int nameWidth = table->columnWidth(kNameColumn);
    const QFontMetrics bold(table->item(0, kNameColumn)->font());
    for (int row = 0; row < table->rowCount(); ++row)
        if (table->columnSpan(row, kNameColumn) > 1)
            nameWidth =
                std::max(nameWidth, bold.horizontalAdvance(table->item(row, kNameColumn)->text()) + 12);
    table->setColumnWidth(kNameColumn, nameWidth + 12);
    for (int column : {kValueColumn, kUnitColumn})
        table->setColumnWidth(column, table->columnWidth(column) + 12);
    table->resizeRowsToContents();

    // Wide enough for every column; as tall as every row where the screen has room for it, the window's
    // title bar included, otherwise as tall as the room and scrolled.
    const int frame = 2 * table->frameWidth();
    int height = frame + table->horizontalHeader()->sizeHint().height();
    for (int row = 0; row < table->rowCount(); ++row) height += table->rowHeight(row);
    QLayout* rows = layout();
    const QMargins margins = rows->contentsMargins();
    int rest = margins.top() + margins.bottom() + (rows->count() - 1) * rows->spacing();
    for (int i = 0; i < rows->count(); ++i)
        if (rows->itemAt(i)->widget() != table) rest += rows->itemAt(i)->sizeHint().height();
    int room = height;
    if (const QScreen* screen = this->screen())
        room = screen->availableGeometry().height() -
               std::max(frameGeometry().height() - this->height(), kTitleBarHeight) - rest;
    const int tableHeight = std::max(std::min(height, room), kLeastTableHeight);
    int width = frame + (height > tableHeight ? table->verticalScrollBar()->sizeHint().width() : 0);
    for (int column = 0; column < table->columnCount(); ++column) width += table->columnWidth(column);
    table->setMinimumSize(width, std::min(height, kLeastTableHeight));
    rows->activate();
    resize(minimumSizeHint().width(), rest + tableHeight);
}

QString FrmTransResults::TableText() const {
    QStringList lines;
    QStringList headings;
    for (int column = 0; column < TblResults->columnCount(); ++column)
        headings << TblResults->horizontalHeaderItem(column)->text();
    lines << headings.join(QLatin1Char('\t'));
    for (int row = 0; row < TblResults->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < TblResults->columnCount(); ++column)
            if (const QTableWidgetItem* item = TblResults->item(row, column)) cells << item->text();
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void FrmTransResults::CmdCopy_Click() {
    QApplication::clipboard()->setText(TableText());
}

void FrmTransResults::CmdPdf_Click() {
    Guarded(this, [this] {
        const QString proposed = lastPdf_.isEmpty()
                                     ? QDir::home().filePath(QStringLiteral("Расчет трансформатора.pdf"))
                                     : lastPdf_;
        const QString path = SaveFileName(this, QStringLiteral("Сохранить отчет в PDF"), proposed,
                                          QStringLiteral("Документы PDF (*.pdf)"));
        if (path.isEmpty()) return;
        // The lines the printer gets, laid out on the pages as the printer lays them out.
        CollectingPrinter report;
        PrintTransformerReport(report, design_);
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(path);
        pdf.setDocName(QStringLiteral("Результаты расчета трансформатора"));
        if (!PrintReport(report.Lines(), pdf)) {
            Warn(this,
                 QStringLiteral("Не удалось сохранить отчет в файл «%1». Проверьте, что папка существует "
                                "и в нее можно записывать.")
                     .arg(QDir::toNativeSeparators(path)));
            return;
        }
        lastPdf_ = path;
    });
}

void FrmTransResults::CmdClose_Click() {
    Forms::Unload(this);
}

}  // namespace vokta::ui
