// The parts panel of the response window: the parts list, the standard series, copying the list and
// saving the circuit as a SPICE netlist.

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <functional>
#include <optional>

#include "filters/ExactDesign.h"
#include "filters/FilterCoils.h"
#include "filters/SpiceNetlist.h"
#include "filters/StandardChoice.h"
#include "filters/Touchstone.h"
#include "filters/ui/CircuitDrawing.h"
#include "filters/ui/FrmResponse.h"
#include "ui/Application.h"
#include "ui/Boxes.h"

namespace vokta::ui {

namespace {

const ESeries kSeries[] = {ESeries::None, ESeries::E6,  ESeries::E12,
                           ESeries::E24,  ESeries::E48, ESeries::E96};
const int kTolerances[] = {0, 1, 2, 5, 10};  // %

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

// Enter in a box that takes a typed value applies the value; it does not press the window's default
// button ("Закрыть" here), as it would from anywhere else in the window.
class ApplyOnEnter : public QObject {
public:
    ApplyOnEnter(QObject* parent, std::function<void()> apply) : QObject(parent), apply_(std::move(apply)) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        apply_();
        return true;
    }

private:
    std::function<void()> apply_;
};

}  // namespace

QList<Sheet::Row> PartsRows(const FilterCircuit& circuit, ESeries series) {
    return PartsRows(circuit, StandardCircuit(circuit, series));
}

QList<Sheet::Row> PartsRows(const FilterCircuit& circuit, const FilterCircuit& standard) {
    const NumberFormat format = UserNumberFormat();
    const std::vector<FilterPart> computed = CircuitParts(circuit), rounded = CircuitParts(standard);
    QList<Sheet::Row> rows;
    for (size_t i = 0; i < computed.size(); ++i)
        rows << Sheet::Row{{Text(computed[i].designator),
                            Text(PartValueText(computed[i].kind, computed[i].value, format)),
                            Text(PartValueText(rounded[i].kind, rounded[i].value, format))}};
    return rows;
}

QLayout* FrmResponse::PartsPanel() {
    auto* designLabel = new QLabel(QStringLiteral("Расчет:"), this);
    CmbDesign = new QComboBox(this);
    CmbDesign->setObjectName(QStringLiteral("CmbDesign"));
    CmbDesign->addItems({QStringLiteral("По методике"), QStringLiteral("Точный расчет")});
    designLabel->setBuddy(CmbDesign);
    auto* familyLabel = new QLabel(QStringLiteral("Аппроксимация:"), this);
    CmbFamily = new QComboBox(this);
    CmbFamily->setObjectName(QStringLiteral("CmbFamily"));
    // The first item keeps the results window's approximation; the others follow FilterFamily's order.
    CmbFamily->addItems({QStringLiteral("Как в расчете"), QStringLiteral("Баттерворт"),
                         QStringLiteral("Чебышев"), QStringLiteral("Эллиптический"),
                         QStringLiteral("Бессель")});
    CmbFamily->setEnabled(false);  // it chooses among exact designs only
    familyLabel->setBuddy(CmbFamily);

    auto* label = new QLabel(QStringLiteral("Номиналы:"), this);
    CmbSeries = new QComboBox(this);
    CmbSeries->setObjectName(QStringLiteral("CmbSeries"));
    for (ESeries series : kSeries) CmbSeries->addItem(QString::fromUtf8(SeriesName(series)));
    CmbSeries->setCurrentIndex(3);  // E24
    label->setBuddy(CmbSeries);

    ChkTune = new QCheckBox(QStringLiteral("Подобрать номиналы"), this);
    ChkTune->setObjectName(QStringLiteral("ChkTune"));
    ChkTune->setToolTip(
        QStringLiteral("Для каждого элемента — один из двух соседних номиналов ряда, так чтобы "
                       "наименьший запас схемы был наибольшим"));
    connect(ChkTune, &QCheckBox::toggled, this, &FrmResponse::ChkTune_Click);

    auto* toleranceLabel = new QLabel(QStringLiteral("Допуск:"), this);
    CmbTolerance = new QComboBox(this);
    CmbTolerance->setObjectName(QStringLiteral("CmbTolerance"));
    for (int percent : kTolerances) CmbTolerance->addItem(QStringLiteral("%1 %").arg(percent));
    CmbTolerance->setCurrentIndex(3);  // 5 %
    toleranceLabel->setBuddy(CmbTolerance);
    // The parts' quality factors, typed or chosen; "∞" is the ideal part.
    auto quality = [&](const char* name, const QString& caption, const QStringList& items) {
        auto* box = new QComboBox(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setEditable(true);
        box->setCompleter(nullptr);  // "40" stays 40, not the 400 of the list
        box->setInsertPolicy(QComboBox::NoInsert);
        box->addItems(items);
        auto* named = new QLabel(caption, this);
        named->setBuddy(box);
        named->setWordWrap(true);  // two short lines keep the panel as narrow as the parts table
        connect(box, &QComboBox::activated, this, &FrmResponse::CmbQuality_Change);
        connect(box->lineEdit(), &QLineEdit::editingFinished, this, &FrmResponse::CmbQuality_Change);
        box->lineEdit()->installEventFilter(new ApplyOnEnter(box, [this] { CmbQuality_Change(); }));
        return std::pair{named, box};
    };
    const auto [qlLabel, ql] = quality("CmbQL", QStringLiteral("Добротность катушек:"),
                                       {QStringLiteral("∞"), "50", "100", "200", "400"});
    const auto [qcLabel, qc] = quality("CmbQC", QStringLiteral("Добротность конденсаторов:"),
                                       {QStringLiteral("∞"), "500", "1000", "2000"});
    auto* coreLabel = new QLabel(QStringLiteral("Катушки:"), this);
    CmbCore = new QComboBox(this);
    CmbCore->setObjectName(QStringLiteral("CmbCore"));
    for (const CoilForm& form : FilterCoilForms())
        CmbCore->addItem(QString::fromStdString(CoilFormName(form, UserNumberFormat())));
    CmbCore->setToolTip(
        QStringLiteral("Каждая катушка — на наименьшем кольце семейства, где ее витки ложатся в "
                       "один слой, или на каркасе; схема из номиналов получает индуктивности "
                       "целых витков"));
    coreLabel->setBuddy(CmbCore);
    // As narrow as the other lists: the popup still shows every name whole.
    CmbCore->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    CmbCore->setMinimumContentsLength(9);
    CmbCore->view()->setMinimumWidth(CmbCore->view()->sizeHintForColumn(0) + 8);
    connect(CmbCore, &QComboBox::currentIndexChanged, this, &FrmResponse::CmbCore_Click);
    // Tab goes down the panel as it is laid out: the coils' form before their quality.
    setTabOrder(CmbTolerance, CmbCore);
    setTabOrder(CmbCore, ql);
    setTabOrder(ql, qc);
    CmbQL = ql;
    CmbQC = qc;
    LblYield = new QLabel(this);
    LblYield->setObjectName(QStringLiteral("LblYield"));
    LblYield->setWordWrap(true);

    TblParts = new QTableWidget(0, 4, this);
    TblParts->setObjectName(QStringLiteral("TblParts"));
    TblParts->setHorizontalHeaderLabels({QStringLiteral("Элемент"), QStringLiteral("Расчет"),
                                         QStringLiteral("Номинал"), QStringLiteral("Намотка")});
    TblParts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TblParts->verticalHeader()->hide();
    TblParts->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    TblParts->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    TblParts->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TblParts->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Columns as wide as their widest possible text (a designator, four digits and the longest unit),
    // so that the panel keeps its width whatever the series.
    const QFontMetrics metrics(TblParts->font());
    auto fit = [&](const QString& a, const QString& b) {
        return std::max(metrics.horizontalAdvance(a), metrics.horizontalAdvance(b)) + 14;
    };
    TblParts->setColumnWidth(0, fit(QStringLiteral("Элемент"), QStringLiteral("DA1")));
    TblParts->setColumnWidth(1, fit(QStringLiteral("Расчет"), QStringLiteral("888.8 мкГн")));
    TblParts->setColumnWidth(2, fit(QStringLiteral("Номинал"), QStringLiteral("888.8 мкГн")));
    TblParts->setColumnWidth(3, fit(QStringLiteral("Намотка"), QStringLiteral("FT-114-43: 888 вит.")));
    TblParts->setColumnHidden(3, true);  // while the coils are not wound
    FitPartsTable();

    CmdCopy = new QPushButton(QStringLiteral("Копировать"), this);
    CmdCopy->setObjectName(QStringLiteral("CmdCopy"));
    CmdExport = new QPushButton(QStringLiteral("Сохранить схему…"), this);
    CmdExport->setObjectName(QStringLiteral("CmdExport"));
    CmdTouchstone = new QPushButton(QStringLiteral("Сохранить S-параметры…"), this);
    CmdTouchstone->setObjectName(QStringLiteral("CmdTouchstone"));
    connect(CmbDesign, &QComboBox::currentIndexChanged, this, &FrmResponse::CmbDesign_Click);
    connect(CmbFamily, &QComboBox::currentIndexChanged, this, &FrmResponse::CmbFamily_Click);
    connect(CmbSeries, &QComboBox::currentIndexChanged, this, &FrmResponse::CmbSeries_Click);
    connect(CmbTolerance, &QComboBox::currentIndexChanged, this, &FrmResponse::CmbTolerance_Click);
    connect(CmdCopy, &QPushButton::clicked, this, &FrmResponse::CmdCopy_Click);
    connect(CmdExport, &QPushButton::clicked, this, &FrmResponse::CmdExport_Click);
    connect(CmdTouchstone, &QPushButton::clicked, this, &FrmResponse::CmdTouchstone_Click);

    auto* choices = new QGridLayout();
    choices->addWidget(designLabel, 0, 0);
    choices->addWidget(CmbDesign, 0, 1);
    choices->addWidget(familyLabel, 1, 0);
    choices->addWidget(CmbFamily, 1, 1);
    choices->addWidget(label, 2, 0);
    choices->addWidget(CmbSeries, 2, 1);
    choices->addWidget(ChkTune, 3, 1);
    choices->addWidget(toleranceLabel, 4, 0);
    choices->addWidget(CmbTolerance, 4, 1);
    choices->addWidget(coreLabel, 5, 0);
    choices->addWidget(CmbCore, 5, 1);
    choices->addWidget(qlLabel, 6, 0);
    choices->addWidget(CmbQL, 6, 1);
    choices->addWidget(qcLabel, 7, 0);
    choices->addWidget(CmbQC, 7, 1);
    choices->setColumnStretch(1, 1);
    auto* panel = new QVBoxLayout();
    panel->addLayout(choices);
    panel->addWidget(LblYield);
    panel->addWidget(TblParts, 1);
    panel->addWidget(CmdCopy);
    panel->addWidget(CmdExport);
    panel->addWidget(CmdTouchstone);
    return panel;
}

ESeries FrmResponse::Series() const {
    return kSeries[std::max(0, CmbSeries->currentIndex())];
}

bool FrmResponse::ExactChosen() const {
    return CmbDesign->currentIndex() == 1;
}

void FrmResponse::OfferMethodDesign(bool offered) {
    if (auto* model = qobject_cast<QStandardItemModel*>(CmbDesign->model()))
        model->item(0)->setEnabled(offered);
    CmbDesign->setToolTip(offered ? QString()
                                  : QStringLiteral("Порядок фильтра больше, чем рассчитывает методика: "
                                                   "доступен только точный расчет"));
    if (!offered) {
        const QSignalBlocker quiet(CmbDesign);  // the caller designs and shows once
        CmbDesign->setCurrentIndex(1);
    }
    CmbFamily->setEnabled(ExactChosen());
}

void FrmResponse::CmbDesign_Click() {
    CmbFamily->setEnabled(ExactChosen());
    ShowDesign();
}

void FrmResponse::CmbFamily_Click() {
    DesignExact();
    ShowDesign();
}

void FrmResponse::DesignExact() {
    exact_.reset();
    exactAnalysis_.reset();
    exactError_.clear();
    const int chosen = CmbFamily->currentIndex();
    const FilterFamily family = chosen <= 0 ? FamilyOf(response_) : FilterFamily(chosen - 1);
    try {
        exact_ = ExactDesign(demand_, family, circuit_);
        exactAnalysis_ = AnalyseResponse(*exact_, demand_);
    } catch (const RuntimeError& e) {
        exact_.reset();
        exactError_ = ErrorSentence(e);
    }
}

double FrmResponse::Tolerance() const {
    return kTolerances[std::max(0, CmbTolerance->currentIndex())] / 100.0;
}

void FrmResponse::CmbQuality_Change() {
    const NumberFormat format = UserNumberFormat();
    PartQuality quality;
    for (auto [box, q, caption] : {std::tuple{CmbQL, &quality.coils, QStringLiteral("катушек")},
                                   std::tuple{CmbQC, &quality.capacitors, QStringLiteral("конденсаторов")}}) {
        const std::optional<double> read = ReadQuality(box->currentText().toStdString(), format);
        if (!read) {
            // Back to what the window still shows, and why.
            const double shown = box == CmbQL ? quality_.coils : quality_.capacitors;
            box->setEditText(std::isfinite(shown) && shown > 0
                                 ? QString::fromStdString(LocaleNumberText(shown, format))
                                 : QStringLiteral("∞"));
            Warn(this, QStringLiteral("Добротность %1 — положительное число или «∞».").arg(caption));
            return;
        }
        *q = *read;
    }
    if (quality.coils == quality_.coils && quality.capacitors == quality_.capacitors) return;
    quality_ = quality;
    ShowDesign();
}

FilterCircuit FrmResponse::Built(const FilterCircuit& circuit) const {
    return WithLosses(circuit, quality_, QualityFrequency(demand_));
}

QString FrmResponse::StandardName(bool first) const {
    QStringList words;
    if (Series() != ESeries::None)
        words << (first ? QStringLiteral("Номиналы %1") : QStringLiteral("номиналы %1"))
                     .arg(QString::fromUtf8(SeriesName(Series())));
    if (Series() != ESeries::None && ChkTune->isChecked()) words << QStringLiteral("подобранные");
    if (!coils_.empty())
        words << (words.isEmpty() && first ? QStringLiteral("Целые витки") : QStringLiteral("целые витки"));
    return words.join(QStringLiteral(", "));
}

void FrmResponse::FitPartsTable() {
    TblParts->setFixedWidth(TblParts->horizontalHeader()->length() + 2 * TblParts->frameWidth() +
                            TblParts->verticalScrollBar()->sizeHint().width() + 2);
}

void FrmResponse::CmbCore_Click() {
    ShowDesign();
}

void FrmResponse::ChkTune_Click() {
    ShowDesign();
}

void FrmResponse::CmbSeries_Click() {
    ShowDesign();
}

void FrmResponse::CmbTolerance_Click() {
    ShowDesign();
}

void FrmResponse::ShowDesign() {
    const bool exact = ExactChosen();
    const bool ladder = std::holds_alternative<LadderCircuit>(ShownCircuit());
    CmdCopy->setEnabled(!exact || exact_);
    CmdExport->setEnabled(!exact || exact_);
    CmdTouchstone->setEnabled((!exact || exact_) && ladder);
    // An active filter has no coils, and its capacitors' losses are nothing beside its resistors.
    CmbQL->setEnabled(ladder);
    CmbQC->setEnabled(ladder);
    if (exact && !exactAnalysis_) {
        // No exact design for this demand: the demand alone, and why.
        TblParts->setRowCount(0);
        ResponseAnalysis empty;
        empty.fmin = analysis_.fmin;
        empty.fmax = analysis_.fmax;
        LblYield->clear();
        Plot(QStringLiteral("Точный расчет"), demand_, empty, nullptr, nullptr,
             QStringLiteral("Точный расчет: ") + exactError_);
        return;
    }
    const FilterCircuit& circuit = exact ? *exact_ : circuit_;
    const bool lossy = ladder && HasLosses(quality_);
    const NumberFormat format = UserNumberFormat();
    // The circuit as built of parts of the chosen quality; its verdict, unless it has none.
    std::optional<ResponseAnalysis> lossyAnalysis;
    QString lossyError;
    if (lossy) {
        try {
            lossyAnalysis = AnalyseResponse(Built(circuit), demand_);
        } catch (const RuntimeError& e) {
            lossyError = ErrorSentence(e);
        }
    }
    const ResponseAnalysis& analysis = lossyAnalysis ? *lossyAnalysis : exact ? *exactAnalysis_ : analysis_;
    const ESeries series = Series();
    ChkTune->setEnabled(series != ESeries::None);
    // The coils wound for their computed inductances; the circuit as built has their whole turns, whatever
    // values the other parts take.
    CmbCore->setEnabled(ladder);
    coils_ = WindFilterCoils(circuit, FilterCoilForms().at(size_t(std::max(0, CmbCore->currentIndex()))));
    auto wound = [this](const FilterCircuit& c) { return WithWoundCoils(c, coils_); };
    standard_ = wound(ChkTune->isChecked()
                          ? TunedStandardCircuit(circuit, series, demand_,
                                                 [&](const FilterCircuit& c) { return Built(wound(c)); })
                          : StandardCircuit(circuit, series));
    const FilterCircuit standard = Built(standard_);
    const bool second = series != ESeries::None || !coils_.empty();  // a circuit as built beside the design

    const QList<Sheet::Row> parts = PartsRows(circuit, standard_);
    TblParts->setRowCount(int(parts.size()));
    TblParts->setColumnHidden(3, coils_.empty());
    for (int i = 0; i < parts.size(); ++i) {
        for (int column = 0; column < 4; ++column) {
            QString text = column < 3 ? parts[i].cells[column] : QString();
            if (column == 3)
                for (const WoundCoil& coil : coils_)
                    if (Text(coil.designator) == parts[i].cells[0]) text = Text(WindingText(coil, format));
            auto* item = new QTableWidgetItem(text);
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            if (column == 1 || column == 2) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            TblParts->setItem(i, column, item);
        }
    }
    TblParts->resizeRowsToContents();  // a winding takes two lines
    FitPartsTable();

    // The verdict judges the circuit that would be built: the standard one, unless computed values are asked
    // for.
    // The exact design's own verdict comes first: the values it computed meet the demand.
    QString verdict = exact ? QStringLiteral("Точный расчет. ") : QString();
    std::optional<ResponseAnalysis> standardAnalysis;
    if (!second || exact)
        verdict += lossy && !lossyAnalysis ? lossyError
                                           : Text(VerdictText(analysis.passBand, analysis.stopBand, format));
    if (second) {
        if (exact) verdict += QLatin1Char('\n');
        const QString prefix = StandardName(true) + QStringLiteral(". ");
        try {
            standardAnalysis = AnalyseResponse(standard, demand_);
            verdict +=
                prefix + Text(VerdictText(standardAnalysis->passBand, standardAnalysis->stopBand, format));
        } catch (const RuntimeError& e) {
            verdict += prefix + ErrorSentence(e);
        }
    }
    if (lossyAnalysis) {
        // What the losses cost where the quality factors hold.
        const double f = QualityFrequency(demand_);
        const double ideal = AttenuationOf(circuit, demand_)(f),
                     real = AttenuationOf(Built(circuit), demand_)(f);
        verdict +=
            QStringLiteral("\nЗатухание на частоте %1 Гц с потерями в деталях: %2 дБ (без потерь %3 дБ).")
                .arg(Text(FrequencyLabel(f, format)), Text(FormatLocale("%.2f", real, format)),
                     Text(FormatLocale("%.2f", ideal, format)));
    }
    QString heading = Text(CircuitHeading(circuit, demand_.shape));
    if (exact) heading += QStringLiteral(", точный расчет");
    // Circuits built from parts of the chosen tolerance around the values of the circuit that would be
    // built.
    const ToleranceRun spread =
        RunTolerance(standard, demand_, Tolerance(), analysis.fmin, analysis.fmax, kToleranceCircuits, 160,
                     PartTolerances(standard, coils_, Tolerance()));
    LblYield->setText(Text(YieldText(spread, format)));
    Plot(heading, demand_, analysis, standardAnalysis ? &*standardAnalysis : nullptr, &spread, verdict);
}

void FrmResponse::CmdCopy_Click() {
    QString text;
    for (int row = -1; row < TblParts->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < TblParts->columnCount(); ++column)
            if (!TblParts->isColumnHidden(column))
                cells << (row < 0 ? TblParts->horizontalHeaderItem(column)->text()
                                  : TblParts->item(row, column)->text());
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    QApplication::clipboard()->setText(text);
}

Sheet FrmResponse::MakeSheet() const {
    Sheet sheet(QStringLiteral("АЧХ фильтра"));
    sheet.Heading(QStringLiteral("Исходные данные"));
    QList<Sheet::Row> inputs = inputs_;
    // The choices of the panel, each under the caption of its label.
    for (const QLabel* label : findChildren<QLabel*>())
        if (label->buddy()) inputs << FieldRow(label, label->buddy());
    sheet.Table(inputs);
    sheet.Chart(page_);
    if (!ExactChosen() || exact_) {
        try {
            sheet.Picture(pictures::DrawFilterCircuit(ShownCircuit()));
        } catch (const RuntimeError&) {
            // a circuit the drawing has no shape for: its parts table below still lists it
        }
    }
    sheet.Text(LblYield->text());
    sheet.Text(LblVerdict->text());
    sheet.Heading(QStringLiteral("Элементы схемы"));
    QList<Sheet::Row> rows;
    for (int row = 0; row < TblParts->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < TblParts->columnCount(); ++column)
            if (!TblParts->isColumnHidden(column)) cells << TblParts->item(row, column)->text();
        rows << Sheet::Row{cells};
    }
    QStringList headings;
    for (int column = 0; column < TblParts->columnCount(); ++column)
        if (!TblParts->isColumnHidden(column)) headings << TblParts->horizontalHeaderItem(column)->text();
    sheet.Table(rows, headings, {1, 2});
    return sheet;
}

void FrmResponse::CmdPdf_Click() {
    Guarded(this, [&] { SaveSheet(this, MakeSheet(), QStringLiteral("АЧХ фильтра.pdf")); });
}

void FrmResponse::CmdExport_Click() {
    Guarded(this, [&] {
        const ESeries series = Series();
        const std::string netlist =
            SpiceNetlist(Built(standard_), demand_, series, analysis_.fmin, analysis_.fmax);
        const QString file =
            SaveFileName(this, QStringLiteral("Сохранить схему"), QStringLiteral("filter.cir"),
                         QStringLiteral("Схемы SPICE (*.cir);;Все файлы (*)"));
        if (!file.isEmpty()) WriteOrSay(file, QByteArray::fromStdString(netlist));
    });
}

void FrmResponse::CmdTouchstone_Click() {
    Guarded(this, [&] {
        const FilterCircuit standard = Built(standard_);
        const auto* ladder = std::get_if<LadderCircuit>(&standard);
        if (!ladder) return;  // an active filter has no ports of a given resistance: the button is off
        const std::string text = TouchstoneText(*ladder, demand_.shape, analysis_.fmin, analysis_.fmax);
        const QString file =
            SaveFileName(this, QStringLiteral("Сохранить S-параметры"), QStringLiteral("filter.s2p"),
                         QStringLiteral("Файлы Touchstone (*.s2p);;Все файлы (*)"));
        if (!file.isEmpty()) WriteOrSay(file, QByteArray::fromStdString(text));
    });
}

const FilterCircuit& FrmResponse::ShownCircuit() const {
    return ExactChosen() && exact_ ? *exact_ : circuit_;
}

void FrmResponse::WriteOrSay(const QString& file, const QByteArray& bytes) {
    const QString failure = WriteWholeFile(file, bytes);
    if (!failure.isEmpty())
        MsgBox(this, QStringLiteral("Не удалось записать файл %1: %2").arg(file, failure),
               QStringLiteral("Ошибка"), MsgIcon::Critical);
}

}  // namespace vokta::ui
