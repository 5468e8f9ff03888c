// Design files: every calculator's random inputs saved, opened and calculated again in both number
// formats; every kind of bad file refused by name.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>

#include "base/Checked.h"
#include "base/DesignFile.h"
#include "base/RuntimeError.h"
#include "circuits/CircuitDesignFiles.h"
#include "coil/CoilDesignFile.h"
#include "components/EnamelledWire.h"
#include "components/ToroidCores.h"
#include "filters/FilterDesignFile.h"
#include "rfpath/RfPathDesignFile.h"
#include "transformer/TransformerDesignFile.h"

namespace vokta {
namespace {

const NumberFormat kRussian{",", "\xC2\xA0"};
const NumberFormat kEnglish{".", ","};

const std::vector<const DesignKind*>& Kinds() {
    static const std::vector<const DesignKind*> kinds{&FilterDesignKind(),     &TransformerDesignKind(),
                                                      &BandSpreadDesignKind(), &ThreePointDesignKind(),
                                                      &RfPathDesignKind(),     &CoilDesignKind()};
    return kinds;
}

// What a calculation from the record shows: its results as texts, or the error that ends it.
std::vector<std::string> Results(const DesignRecord& r) {
    std::vector<std::string> out;
    try {
        if (r.calculator == "filter") {
            const FilterRequest q = FilterRequestOf(r);
            const BandCentre centre = CentreOfBand(Single(q.fleft.value), Single(q.fright.value));
            const float ws = PrototypeStopBand(q.type, Single(q.fs.value), Single(q.f1.value), centre);
            const int16_t order =
                EstimateButterworthOrder(Single(q.amin.value), Single(q.astop.value), ws, q.type);
            out = {NumberText(ws), NumberText(order)};
        } else if (r.calculator == "transformer") {
            double thickness = 0;
            TransformerDesign design;
            const int outcome = int(CalcTransformer(design, TransformerInputOf(r, thickness)));
            out = {std::to_string(outcome), NumberText(design.SecondaryPower),
                   NumberText(design.PrimaryTurns)};
        } else if (r.calculator == "bandspread") {
            const BandSpreadResult x = CalcBandSpread(BandSpreadInputOf(r));
            out = {NumberText(x.c1PF), NumberText(x.c2PF)};
        } else if (r.calculator == "threepoint") {
            const ThreePointResult x = CalcThreePoint(ThreePointInputOf(r));
            out = {NumberText(x.c1PF), NumberText(x.c2PF), NumberText(x.c3PF)};
        } else if (r.calculator == "rfpath") {
            const RfPathDesign x = DesignRfPath(RfPathTaskOf(r));
            out = {NumberText(x.selectivityQ), NumberText(x.attenuationQ), NumberText(x.circuits)};
        } else {
            for (const CoilRow& row : CalcCoil(CoilTaskOf(r), kRussian).rows) out.push_back(row.value);
        }
    } catch (const RuntimeError& e) {
        out.push_back("error: " + e.userMessage());
    }
    return out;
}

TEST(DesignFile, RandomDesignsComeBackWithTheirDigitsAndResults) {
    std::mt19937 rng(2025);
    auto uniform = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(rng); };
    int opened = 0, refused = 0;
    for (const NumberFormat& format : {kEnglish, kRussian}) {
        // A number as a user types it in this format: one to four decimals, sometimes an exponent.
        auto typed = [&](double lo, double hi) {
            std::string text = FormatC(("%." + std::to_string(rng() % 4) + "f").c_str(), uniform(lo, hi));
            if (rng() % 8 == 0) text += "e0";
            if (format.decimal == ",") std::replace(text.begin(), text.end(), '.', ',');
            return text;
        };
        for (const DesignKind* kind : Kinds()) {
            for (int run = 0; run < 40; ++run) {
                SCOPED_TRACE(kind->id + " run " + std::to_string(run) + " decimal " + format.decimal);
                DesignRecord typedRecord{kind->id, {}, {}, {}, {}};
                for (const DesignInput& input : kind->inputs) {
                    if (input.kind == DesignInputKind::Choice)
                        typedRecord.choices[input.name] = int(rng() % input.choices);
                    if (input.kind == DesignInputKind::Flag) typedRecord.flags[input.name] = rng() % 4 == 0;
                    if (input.kind == DesignInputKind::Text) typedRecord.texts[input.name] = typed(0.1, 1000);
                }
                auto& t = typedRecord.texts;
                if (kind->id == "bandspread" || kind->id == "threepoint" || kind->id == "rfpath") {
                    t["TxtFmin"] = typed(1, 10), t["TxtFmax"] = typed(12, 30);
                }
                if (kind->id == "transformer") {
                    const auto& steels = SteelThicknesses(CoreType(typedRecord.choices["Option1"]));
                    t["Combo1"] = LocaleNumberText(steels[rng() % steels.size()], format);
                    for (int w = int(rng() % 4); w > 0; --w)
                        typedRecord.rows.push_back({typed(1, 50), typed(0.01, 3)});
                }
                if (kind->id == "rfpath") {
                    t["CmbFpr"] = typed(0.4, 0.5), t["Combo1"] = typed(0.01, 0.02), t["Combo3"] = "1e-5";
                }
                if (kind->id == "coil") {
                    const auto cores = ToroidCores();
                    t["CmbCore"] = rng() % 3 ? cores[rng() % cores.size()].Name() : "";
                    t["CmbWire"] = FormatC("%g", EnamelledWires()[rng() % EnamelledWires().size()].nominalMm);
                    t["TxtF"] = typed(0.5, 30);
                }
                if (kind->id == "filter") t["TxtFleft"] = "левая \"кавычка\" \\ \t\x01";  // unused or refused
                // What the window saves: the typed texts in the file's format (the lists of fixed items keep
                // their keys).
                DesignRecord saved = typedRecord;
                for (auto& [name, text] : saved.texts)
                    if (name != "CmbCore" && name != "CmbWire") text = FileNumberText(text, format);
                for (auto& row : saved.rows)
                    for (auto& answer : row) answer = FileNumberText(answer, format);

                const DesignReading reading = ReadDesign(WriteDesign(saved, *kind), Kinds());
                std::optional<DesignFault> refusal;
                try {
                    refusal = kind->refusal(saved);
                } catch (const DesignFault& fault) {
                    refusal = fault;
                }
                if (refusal) {
                    // Refused on opening exactly as the calculator refuses the same inputs.
                    ++refused;
                    EXPECT_FALSE(reading.record);
                    EXPECT_EQ(reading.fault.message, refusal->message);
                    continue;
                }
                ++opened;
                ASSERT_TRUE(reading.record) << reading.fault.message;
                EXPECT_EQ(*reading.record, saved);
                for (const auto& [name, text] : reading.record->texts) {
                    if (name != "CmbCore" && name != "CmbWire") {
                        EXPECT_EQ(ShownNumberText(text, format), typedRecord.texts[name]) << name;
                    }
                }
                // The values the window reads from the typed texts are those of the file.
                for (const DesignInput& input : kind->inputs) {
                    if (input.kind == DesignInputKind::Text && input.name != "CmbCore" &&
                        input.name != "TxtFleft") {
                        EXPECT_EQ(ParseTypedNumber(typedRecord.texts[input.name], format),
                                  ParseTypedNumber(reading.record->texts.at(input.name), kEnglish));
                    }
                }
                EXPECT_EQ(Results(*reading.record), Results(saved));
            }
        }
    }
    // Both outcomes were met often enough to count.
    EXPECT_GT(opened, 150);
    EXPECT_GT(refused, 20);
}

// A valid low-pass filter file, and the one of a transformer with a winding.
const std::string kFilter = WriteDesign({"filter",
                                         {{"CmbAmin", "1"},
                                          {"TxtAs", "40"},
                                          {"TxtF1", "1000"},
                                          {"TxtFright", ""},
                                          {"TxtFleft", ""},
                                          {"TxtFs", "3000"},
                                          {"CmbRn", "75"}},
                                         {{"Option1", 0}, {"Option2", 1}},
                                         {{"CheckARC", false}},
                                         {}},
                                        FilterDesignKind());

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    if (at == std::string::npos) throw std::logic_error("no " + from);
    return text.replace(at, from.size(), to);
}

TEST(DesignFile, BadFilesAreRefusedByName) {
    ASSERT_TRUE(ReadDesign(kFilter, Kinds()).record);
    const std::string transformer = WriteDesign(
        {"transformer",
         {{"TxtA", "2"}, {"TxtB", "3"}, {"TxtC", "1"}, {"TxtH", "4"}, {"TxtU1", "220"}, {"Combo1", "0.35"}},
         {{"Option1", 0}},
         {},
         {{"12", "0.5"}}},
        TransformerDesignKind());
    ASSERT_TRUE(ReadDesign(transformer, Kinds()).record);
    struct Case {
        const char* name;
        std::string text;
        std::string input, message;
    };
    const Case cases[] = {
        {"not JSON", Replaced(kFilter, "\"TxtAs\": \"40\",", "\"TxtAs\": \"40\""), "",
         "это не файл JSON (строка 11, позиция 5: ожидалась запятая или закрывающая скобка)"},
        {"cut short", kFilter.substr(0, 30), "", "это не файл JSON (строка 3, позиция 1: текст оборвался)"},
        {"not UTF-8", Replaced(kFilter, "1000", "10\xff"), "",
         "это не файл JSON (строка 1, позиция 1: текст не в кодировке UTF-8)"},
        {"a name twice", Replaced(kFilter, "\"TxtAs\"", "\"TxtF1\": \"1\", \"TxtF1\""), "",
         "это не файл JSON (строка 10, позиция 19: имя повторяется)"},
        {"nested too deep", std::string(100, '['), "",
         "это не файл JSON (строка 1, позиция 66: слишком глубокая вложенность)"},
        {"too large", kFilter + std::string(kMaxDesignBytes, ' '), "", "он слишком велик для файла расчета"},
        {"not a design", "{\"format\": \"other\"}", "", "это не файл расчета Vokta"},
        {"an array", "[1, 2]", "", "это не файл расчета Vokta"},
        {"newer version", Replaced(kFilter, "\"version\": 1", "\"version\": 2"), "version",
         "он записан более новой версией программы (версия файла 2, а эта программа открывает версии до 1)"},
        {"no version", Replaced(kFilter, "\"version\": 1,", ""), "version",
         "в нем нет номера версии (version)"},
        {"unknown calculator", Replaced(kFilter, "\"filter\"", "\"oscillator\""), "calculator",
         "в нем неизвестный расчет «oscillator»"},
        {"missing field", Replaced(kFilter, "\"TxtF1\": \"1000\",", ""), "TxtF1",
         "в нем нет поля «Граничная частота, Гц» (TxtF1)"},
        {"text as number", Replaced(kFilter, "\"1000\"", "1000"), "TxtF1",
         "значение поля «Граничная частота, Гц» (TxtF1) должно быть текстом"},
        {"option out of range", Replaced(kFilter, "\"Option1\": 0", "\"Option1\": 4"), "Option1",
         "значение поля «Тип фильтра» (Option1) должно быть целым числом от 0 до 3"},
        {"not a number", Replaced(kFilter, "\"1000\"", "\"1000 Гц\""), "TxtF1",
         "в поле «Граничная частота, Гц» должно быть число, а записано «1000 Гц»"},
        {"a comma in the file", Replaced(kFilter, "\"1000\"", "\"1000,5\""), "TxtF1",
         "в поле «Граничная частота, Гц» должно быть число, а записано «1000,5»"},
        {"empty used field", Replaced(kFilter, "\"3000\"", "\" \""), "TxtFs",
         "не заполнено поле «Частота среза, Гц»"},
        {"filter refuses", Replaced(kFilter, "\"1000\"", "\"-5\""), "TxtF1",
         "Значение поля «Граничная частота, Гц» должно быть больше нуля, а введено «-5»."},
        {"transformer refuses a load", Replaced(transformer, "\"0.5\"", "\"0\""), "windings",
         "Ток нагрузки обмотки 1 должен быть больше нуля."},
        {"transformer without windings", Replaced(transformer, "\"windings\"", "\"turns\""), "windings",
         "в нем нет списка «windings»"},
        {"coil refuses a core",
         Replaced(
             WriteDesign(
                 {"coil",
                  {{"TxtL", "10"}, {"TxtF", "7"}, {"CmbCore", "T-999"}, {"TxtD", ""}, {"CmbWire", "0.5"}},
                  {},
                  {},
                  {}},
                 CoilDesignKind()),
             "", ""),
         "CmbCore", "Сердечника «T-999» нет в каталоге."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DesignReading reading = ReadDesign(c.text, Kinds());
        EXPECT_FALSE(reading.record);
        EXPECT_EQ(reading.fault.input, c.input);
        EXPECT_EQ(reading.fault.message, c.message);
    }
}

TEST(DesignFile, AnOlderFileWithoutOptionalInputsOpensWithTheirPresets) {
    std::string older = kFilter;
    for (const char* line :
         {"\n    \"Option2\": 1,", "\n    \"CheckARC\": false,", ",\n    \"CmbRn\": \"75\""})
        older = Replaced(older, line, "");
    const DesignReading reading = ReadDesign(older, Kinds());
    ASSERT_TRUE(reading.record) << reading.fault.message;
    EXPECT_EQ(reading.record->choices.at("Option2"), 0);
    EXPECT_FALSE(reading.record->flags.at("CheckARC"));
    EXPECT_EQ(reading.record->texts.at("CmbRn"), "50");
    EXPECT_EQ(reading.record->texts.at("TxtF1"), "1000");
}

}  // namespace
}  // namespace vokta
