// A monkey at the keyboard: it opens every calculator from the main window and, for each, performs
// thousands of random actions — texts of every sort typed into the boxes, options and check boxes
// changed, list items picked or typed, every button pressed, input boxes answered at random or
// cancelled, windows closed from their title bars. It fails on a crash, on an exception that reaches the
// event loop, on a message box with an empty text, on a window left in a state its design never has, on
// a negative value shown as a result, on a calculation that ends showing no result and saying nothing,
// and on a title-bar close that ends the program while a calculator was open. The run is reproducible from
// its seed (VOKTA_MONKEY_SEED); VOKTA_MONKEY_ACTIONS sets the actions per calculator.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTableWidget>
#include <QTemporaryDir>
#include <random>

#include "app/frmMain.h"
#include "filters/ui/FrmResponse.h"
#include "support/WindowDriver.h"
#include "ui/Boxes.h"
#include "ui/Forms.h"
#include "ui/ReportPrinter.h"

using namespace vokta::test;
using namespace vokta::ui;

namespace {

class Monkey : public vokta::ui::BoxHandler {
public:
    explicit Monkey(uint64_t seed) : rng_(seed) { vokta::ui::SetBoxHandler(this); }
    ~Monkey() override { vokta::ui::SetBoxHandler(nullptr); }

    QStringList problems;
    QString lastAction;
    int messages = 0;
    int inputs = 0;
    int cancels = 0;
    bool calculated = false;  // the last action pressed a calculate button
    bool closed = false;      // the last action closed a window from its title bar

    void message(const QString& title, const QString& text, MsgIcon) override {
        ++messages;
        if (text.trimmed().isEmpty()) problems << "message box without text, title \"" + title + "\"";
        if (title.trimmed().isEmpty()) problems << "message box without title: " + text;
        // The monkey opens only designs it saved: each must open again.
        if (text.contains(QStringLiteral("не открыт"))) problems << "a saved design is refused: " + text;
    }

    std::optional<QString> input(const QString& prompt, const QString& title) override {
        ++inputs;
        if (prompt.trimmed().isEmpty() || title.trimmed().isEmpty())
            problems << "input box without prompt or title";
        if (chance(0.2)) return ++cancels, std::nullopt;
        return chance(0.6) ? plausibleCount() : text();
    }

    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
    int below(int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    template <typename T>
    const T& pick(const std::vector<T>& v) {
        return v[size_t(below(int(v.size())))];
    }

    // Small whole numbers: what the windings' and orders' boxes want most of the time.
    QString plausibleCount() { return QString::number(below(6)); }

    // A text such as a user (or a cat on the keyboard) might type.
    QString text() {
        static const std::vector<QString> odd{
            "",       " ",          "0",     "-0",   "0.0",     "-",      "+",
            ".",      ",",          "1,5",   "0,35", "abc",     "кОм",    "12 кОм",
            "&HFFFF", "&H7FFFFFFF", "&O777", "&H",   "1e308",   "-1e308", "1e39",
            "1e-39",  "1e-300",     "1e400", "9e9",  "32767.5", "-32769", "1.79769313486232E+308",
            "1D2",    "3e",         "..5",   "0.5",  "3",       "1",      "1.5",
            "2",      "50",         "75",    "600"};
        switch (below(4)) {
            case 0:
                return pick(odd);
            case 1:
                return QString::number(std::uniform_real_distribution<double>(-10, 20000)(rng_), 'g',
                                       1 + below(8));
            case 2:
                return QString::number(std::pow(10.0, std::uniform_real_distribution<double>(-8, 8)(rng_)),
                                       'g', 1 + below(6));
            default:
                return QString::number(1 + below(20000));
        }
    }

    // One random action on the window.
    void act(QWidget* window) {
        QList<QWidget*> edits, combos, options, checks, buttons;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(window) || !w->isEnabled()) continue;
            if (qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w->parentWidget()))
                edits << w;
            else if (qobject_cast<QComboBox*>(w))
                combos << w;
            else if (qobject_cast<QRadioButton*>(w))
                options << w;
            else if (qobject_cast<QCheckBox*>(w))
                checks << w;
            else if (qobject_cast<QPushButton*>(w))
                buttons << w;
        }
        const int kind = below(20);
        const QString where = window->objectName() + ".";
        calculated = closed = false;
        if (kind == 0 && chance(0.1)) {
            lastAction = where + " title-bar close";
            closed = true;
            window->close();
        } else if (kind == 1 && chance(0.3)) {
            // Ctrl+S or Ctrl+O: the design saved as it stands, or the last one saved opened.
            const char* key = chance(0.5) ? "ActSave" : "ActOpen";
            lastAction = where + key;
            if (auto* action = window->findChild<QAction*>(key)) action->trigger();
        } else if (kind < 7 && !edits.isEmpty()) {
            auto* e = static_cast<QLineEdit*>(edits[below(int(edits.size()))]);
            const QString t = text();
            lastAction = where + e->objectName() + " = \"" + t + "\"";
            e->setText(t);
        } else if (kind < 10 && !combos.isEmpty()) {
            auto* c = static_cast<QComboBox*>(combos[below(int(combos.size()))]);
            if (chance(0.6) && c->count() > 0) {
                const int i = below(c->count());
                lastAction = where + c->objectName() + " item " + QString::number(i);
                c->setCurrentIndex(i);
            } else {
                const QString t = text();
                lastAction = where + c->objectName() + " text \"" + t + "\"";
                c->setEditText(t);
            }
        } else if (kind < 13 && !options.isEmpty()) {
            auto* o = static_cast<QRadioButton*>(options[below(int(options.size()))]);
            lastAction = where + o->objectName() + " click";
            o->click();
        } else if (kind < 14 && !checks.isEmpty()) {
            auto* c = static_cast<QCheckBox*>(checks[below(int(checks.size()))]);
            lastAction = where + c->objectName() + " click";
            c->click();
        } else if (!buttons.isEmpty()) {
            auto* b = static_cast<QPushButton*>(buttons[below(int(buttons.size()))]);
            // Leaving the window is one press among many: most presses calculate or clear.
            const QString caption = b->text();
            if ((caption == "Отмена" || caption == "Закрыть") && !chance(0.2))
                b = static_cast<QPushButton*>(buttons[below(int(buttons.size()))]);
            lastAction = where + b->objectName() + " click";
            calculated = b->objectName() == "CmdCalc";
            b->click();
        }
    }

private:
    std::mt19937_64 rng_;
};

// A number with a minus sign where a result stands: after "=", a blank or the start of the text.
const QRegularExpression& NegativeNumber() {
    static const QRegularExpression negative("(^|[=\\s:])-\\s*\\.?\\d");
    return negative;
}

// The report goes to a printer that checks it instead of paper: it must begin with its heading and
// end its document once.
class CheckingPrinter : public vokta::ui::CollectingPrinter {
public:
    explicit CheckingPrinter(QStringList& problems) : problems_(problems) {}
    void EndDoc() override {
        CollectingPrinter::EndDoc();
        const QStringList lines = Texts();
        if (lines.isEmpty() || lines.first() != "Результаты расчета выпрямителя")
            problems_ << "a report without its heading";
        if (lines.size() < 9 || !lines.contains("Данные трансформатора"))
            problems_ << "a report without its body";
        for (const QString& line : lines)
            if (NegativeNumber().match(line).hasMatch())
                problems_ << "a negative value in the report: " + line;
    }

private:
    QStringList& problems_;
};

bool Shown(QWidget* window, const char* name) {
    auto* w = window->findChild<QWidget*>(QString::fromUtf8(name));
    return w && w->isVisibleTo(window);
}

// Whether the window shows the result of a calculation. The transformer's result is its report.
bool ShowsResult(QWidget* window) {
    const QString name = window->objectName();
    if (name == "FrmFiltrItog")
        return Shown(window, "LblC1") || Shown(window, "LblL1") || Shown(window, "LblC2") ||
               Shown(window, "LblL2");
    if (name == "frmKontur1" || name == "FrmKontur2") return Shown(window, "LblC1");
    if (name == "FrmAnt") return Shown(window, "LblN");
    if (name == "FrmCoil")
        return window->findChild<QTableWidget*>("TblResults")->rowCount() > 0 ||
               !window->findChild<QLabel*>("LblSummary")->text().isEmpty();
    return true;
}

// The states each window's design can have; anything else is a fault.
QStringList Check(QWidget* window) {
    QStringList faults;
    const QString name = window->objectName();
    auto fault = [&](const QString& what) { faults << name + ": " + what; };
    // What a window shows as a result is never negative: result labels and the boxes that are not for
    // typing (the chart windows speak of margins and deviations, which may be).
    if (name != "FrmResponse" && name != "FrmPlot") {
        for (QLabel* l : window->findChildren<QLabel*>())
            if (l->isVisibleTo(window) && NegativeNumber().match(l->text()).hasMatch())
                fault(l->objectName() + " shows a negative value: " + l->text());
        for (QLineEdit* e : window->findChildren<QLineEdit*>())
            if (e->isReadOnly() && e->isVisibleTo(window) && NegativeNumber().match(e->text()).hasMatch())
                fault(e->objectName() + " shows a negative value: " + e->text());
    }
    if (name == "FrmFiltrItog") {
        bool any = false;
        for (const char* n : {"C1", "C2", "C3", "C4", "L1", "L2", "L3", "L4"}) {
            const bool label = Shown(window, qPrintable(QString("Lbl") + n));
            const bool box = Shown(window, qPrintable(QString("Txt") + n));
            if (label != box) fault(QString("label and box of %1 differ").arg(n));
            auto* t = window->findChild<QLineEdit*>(QString("Txt") + n);
            if (box && t && t->text().isEmpty()) fault(QString("Txt%1 shown empty").arg(n));
            any = any || label;
        }
        auto* image = window->findChild<QLabel*>("Image1");
        if (any && (!image || image->pixmap().isNull())) fault("values shown without a picture");
        if (!any && image && !image->pixmap().isNull()) fault("a picture without values");
        if (any != Shown(window, "LblVerdict"))
            fault("a design without its verdict, or a verdict without a design");
    } else if (name == "FrmFiltr") {
        for (const char* group : {"Option1(%1)", "Option2(%1)"}) {
            int checked = 0;
            for (int i = 0; i < 4; ++i)
                if (auto* o = window->findChild<QRadioButton*>(QString(group).arg(i)))
                    checked += o->isChecked();
            if (checked != 1) fault(QString("%1 options of a group selected").arg(checked));
        }
    } else if (name == "FrmAnt") {
        const bool frame = Shown(window, "Frame1");
        const int results = Shown(window, "LblSel") + Shown(window, "LblSigma1") + Shown(window, "LblN");
        if (results != 0 && results != 3) fault("some result labels shown, not all");
        if (frame == (results == 3)) fault("inputs and results shown together, or neither");
        static const QRegularExpression n("^Необходимое число контуров тракта РЧ= [12]$");
        if (results == 3 && !n.match(Text(window, "LblN")).hasMatch())
            fault("number of circuits reads " + Text(window, "LblN"));
    } else if (name == "frmKontur1") {
        const bool c1 = Shown(window, "LblC1"), c2 = Shown(window, "LblC2");
        if (c1 != c2) fault("one result shown without the other");
        static const QRegularExpression r("^Емкость С[12]= \\d+ пФ$");
        for (const char* l : {"LblC1", "LblC2"})
            if (Shown(window, l) && !r.match(Text(window, l)).hasMatch())
                fault(QString("%1 reads %2").arg(l, Text(window, l)));
    } else if (name == "FrmKontur2") {
        const int shown = Shown(window, "LblC1") + Shown(window, "LblC2") + Shown(window, "LblC3");
        if (shown != 0 && shown != 3) fault("some results shown, not all");
        static const QRegularExpression r("^C[123]= [1-9]\\d*пФ$");
        for (const char* l : {"LblC1", "LblC2", "LblC3"})
            if (Shown(window, l) && !r.match(Text(window, l)).hasMatch())
                fault(QString("%1 reads %2").arg(l, Text(window, l)));
        auto* image = window->findChild<QLabel*>("Image1");
        if (!image || image->pixmap().isNull()) fault("no picture");
    } else if (name == "FrmCoil") {
        auto* image = window->findChild<QLabel*>("Image1");
        if (!image || image->pixmap().isNull()) fault("no picture");
        const bool air = window->findChild<QComboBox*>("CmbCore")->currentData().toString().isEmpty();
        if (window->findChild<QLineEdit*>("TxtD")->isEnabled() != air)
            fault("the former's box wrongly enabled");
        // Whole turns, at least one.
        auto* table = window->findChild<QTableWidget*>("TblResults");
        for (int r = 0; r < table->rowCount(); ++r)
            if (table->item(r, 0)->text() == "Число витков" &&
                !QRegularExpression("^[1-9]\\d*$").match(table->item(r, 1)->text()).hasMatch())
                fault("turns read " + table->item(r, 1)->text());
    } else if (name == "FrmTrans") {
        auto* picture = window->findChild<QLabel*>("Picture1");
        if (!picture || picture->pixmap().isNull()) fault("no picture of the core");
        auto* toroid = window->findChild<QRadioButton*>("Option1(2)");
        if (toroid && Shown(window, "TxtC") == toroid->isChecked())
            fault("c shown for the toroid, or hidden otherwise");
    }
    return faults;
}

// A fixed seed for each calculator, the same on every run and machine (FNV-1a of the item's name).
uint64_t SeedOf(const QString& item) {
    uint64_t h = 1469598103934665603ull;
    for (QChar c : item) h = (h ^ c.unicode()) * 1099511628211ull;
    return h;
}

// What the boxes and lists of the open windows hold, and which options are set, to replay a failure.
QString Typed() {
    QStringList parts;
    for (QWidget* form : Forms::Loaded())
        for (QWidget* w : form->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(form)) continue;
            const QString name = form->objectName() + "." + w->objectName();
            if (auto* e = qobject_cast<QLineEdit*>(w); e && !e->isReadOnly() && !e->objectName().isEmpty())
                parts << name + "=\"" + e->text() + "\"";
            else if (auto* c = qobject_cast<QComboBox*>(w))
                parts << name + "=\"" + c->currentText() + "\"";
            else if (auto* o = qobject_cast<QAbstractButton*>(w); o && o->isCheckable() && o->isChecked())
                parts << name;
        }
    return parts.join(", ");
}

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void init() { UnloadAllForms(); }
    void cleanup() { UnloadAllForms(); }

    void everyCalculator_data() {
        QTest::addColumn<QString>("item");
        for (const char* item :
             {"mnuFileFiltr", "mnuFileTrans", "mnuFileContur", "mnuFileOscill", "mnuFileTune", "mnuFileCoil"})
            QTest::newRow(item) << QString(item);
    }

    void everyCalculator() {
        QFETCH(QString, item);
        const uint64_t seed = qEnvironmentVariableIsSet("VOKTA_MONKEY_SEED")
                                  ? qEnvironmentVariable("VOKTA_MONKEY_SEED").toULongLong()
                                  : SeedOf(item);
        const int actions = qEnvironmentVariableIsSet("VOKTA_MONKEY_ACTIONS")
                                ? qEnvironmentVariableIntValue("VOKTA_MONKEY_ACTIONS")
                                : 10000;
        Monkey monkey(seed);
        int reports = 0;
        vokta::ui::SetReportPrinterFactory([&](QWidget*) {
            ++reports;
            return std::make_unique<CheckingPrinter>(monkey.problems);
        });
        auto restorePrinter = qScopeGuard([] { vokta::ui::SetReportPrinterFactory({}); });
        // Netlists are saved without a file dialog, into a folder of the test's own.
        QTemporaryDir netlists;
        // Designs too; Ctrl+O opens the last one saved.
        QString lastDesign;
        vokta::ui::SetSaveFileHandler([&](const QString&, const QString& file) {
            const QString path = netlists.filePath(QFileInfo(file).fileName());
            if (path.endsWith(".vokta")) lastDesign = path;
            return path;
        });
        vokta::ui::SetOpenFileHandler([&](const QString&) { return lastDesign; });
        auto restoreDialog = qScopeGuard([] {
            vokta::ui::SetSaveFileHandler({});
            vokta::ui::SetOpenFileHandler({});
        });
        int done = 0;
        int opened = 0;
        int programEnds = 0;
        Forms::SetLastFormHandler([&programEnds] { ++programEnds; });
        auto restoreEnd = qScopeGuard([] { Forms::SetLastFormHandler([] {}); });
        while (done < actions) {
            // Back at the main window (or nowhere): open the calculator under test again.
            const QList<QWidget*> loaded = Forms::Loaded();
            QList<QWidget*> calculators;
            for (QWidget* w : loaded)
                if (w->objectName() != "frmMain") calculators << w;
            if (calculators.isEmpty()) {
                auto* main = Forms::Show<frmMain>();
                auto* action = main->findChild<QAction*>(item);
                QVERIFY(action);
                if (!action->isEnabled()) QSKIP("this calculator is not built yet");
                monkey.lastAction = "menu " + item;
                action->trigger();
                ++opened;
            } else {
                QWidget* window = calculators[monkey.below(int(calculators.size()))];
                const int messages = monkey.messages, cancels = monkey.cancels;
                programEnds = 0;
                monkey.act(window);
                ++done;
                Settle();  // the program's end is decided once the unloaded window is gone
                // A window closed while the registry missed it leaves the program running with none.
                if (monkey.closed && (programEnds > 0 || Forms::Loaded().isEmpty()))
                    monkey.problems << "a title-bar close ended the program";
                // A calculation that says nothing shows its result (the results window, for the filter and
                // the transformer).
                if (monkey.calculated && monkey.messages == messages && monkey.cancels == cancels) {
                    QWidget* shown = window;
                    using Pair = std::pair<QString, QString>;
                    for (const auto& [asker, results] :
                         {Pair("FrmFiltr", "FrmFiltrItog"), Pair("FrmTrans", "FrmTransResults")}) {
                        if (window->objectName() != asker) continue;
                        shown = nullptr;
                        for (QWidget* w : Forms::Loaded())
                            if (w->objectName() == results) shown = w;
                        if (!shown) monkey.problems << asker + ": no results window and nothing said";
                    }
                    if (shown && shown->isVisible() && !ShowsResult(shown))
                        monkey.problems << shown->objectName() + ": no result shown and nothing said";
                }
            }
            Settle();
            for (QWidget* w : Forms::Loaded()) monkey.problems << Check(w);
            if (!monkey.problems.isEmpty())
                QFAIL(qPrintable(QString("seed %1, action %2 (%3): %4\n  typed: %5")
                                     .arg(seed)
                                     .arg(done)
                                     .arg(monkey.lastAction, monkey.problems.join("; "), Typed())));
        }
        qInfo("%s: %d actions, opened %d times, %d message boxes, %d input boxes, %d reports (seed %llu)",
              qPrintable(item), done, opened, monkey.messages, monkey.inputs, reports,
              static_cast<unsigned long long>(seed));
    }
};

VOKTA_UI_TEST_MAIN(MonkeyTest)
#include "MonkeyTest.moc"
