#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "coil/CoilCalculator.h"

using namespace vokta;

namespace {

const NumberFormat kRussian{",", " "};
const NumberFormat kEnglish{".", ","};

CoilTask Toroid(double uH, double MHz, const char* core) {
    CoilTask t;
    t.inductanceUH = uH;
    t.frequencyMHz = MHz;
    t.coreName = core;
    return t;
}

CoilTask AirCore(double uH, double MHz, double former, double wire) {
    CoilTask t;
    t.inductanceUH = uH;
    t.frequencyMHz = MHz;
    t.formerDiameterMm = former;
    t.wireMm = wire;
    return t;
}

std::vector<std::string> Lines(const CoilAnswer& a) {
    std::vector<std::string> out;
    for (const CoilRow& r : a.rows) out.push_back(r.quantity + " | " + r.value + " | " + r.unit);
    return out;
}

}  // namespace

// 1.134 µH on T-50-2 (A_L 4.9 nH): √(1134 / 4.9) = 15.2, so 15 turns, 1102.5 nH, 2.8 % short. Fifteen
// turns of 1.12 mm wire (1.217 mm over the enamel) take 15 × 2·asin(1.217 / 6.479) = 5.67 rad of the
// hole's circle, 1.25 mm wire (1.349 mm) 6.48 rad: more than 2π. Each turn is 2·(2.502 + 4.826) +
// π·1.217 = 18.48 mm of wire, 277.2 mm in all, and 50 mm of leads.
TEST(CoilCalculator, ToroidRows) {
    const CoilAnswer a = CalcCoil(Toroid(1.134, 7, "T-50-2"), kRussian);
    const std::vector<std::string> expected{
        "Сердечник | T-50-2 | ",
        "Коэффициент индуктивности A_L | 4,9 | нГн/вит²",
        "Допуск A_L | ±5 | %",
        "Наружный диаметр | 12,7 | мм",
        "Внутренний диаметр | 7,696 | мм",
        "Высота | 4,826 | мм",
        "Рабочий диапазон частот материала | 0,25…10 | МГц",
        "Число витков | 15 | вит.",
        "Индуктивность | 1,103 | мкГн",
        "Отклонение от заданной | -2,8 | %",
        "Индуктивность при 14 витках | 0,9604 | мкГн",
        "Индуктивность при 16 витках | 1,254 | мкГн",
        "Диаметр провода | 1,12 | мм",
        "Диаметр провода в изоляции | 1,217 | мм",
        "Длина провода с выводами 2 × 25 мм | 327,2 | мм",
    };
    EXPECT_EQ(Lines(a), expected);
    EXPECT_TRUE(a.warnings.empty());
}

// 10 µH on a 20 mm former in 0.5 mm wire: 24 turns 0.566 mm apart, the coil 13.58 mm long; each turn
// π × 20.566 mm round.
TEST(CoilCalculator, AirCoreRows) {
    const CoilAnswer a = CalcCoil(AirCore(10, 3.647, 20, 0.5), kEnglish);
    const std::vector<std::string> expected{
        "Диаметр каркаса | 20 | мм",
        "Число витков | 24 | вит.",
        "Индуктивность | 10.27 | мкГн",
        "Отклонение от заданной | +2.7 | %",
        "Индуктивность при 23 витках | 9.665 | мкГн",
        "Индуктивность при 25 витках | 10.87 | мкГн",
        "Диаметр провода | 0.5 | мм",
        "Диаметр провода в изоляции | 0.566 | мм",
        "Длина намотки | 13.58 | мм",
        "Длина провода с выводами 2 × 25 мм | 1601 | мм",
    };
    EXPECT_EQ(Lines(a), expected);
    EXPECT_TRUE(a.warnings.empty());
}

TEST(CoilCalculator, Warnings) {
    const struct {
        CoilTask task;
        std::vector<std::string> warnings;
    } cases[] = {
        {Toroid(1.134, 30, "T-50-2"),
         {"Частота 30 МГц лежит вне рабочего диапазона материала сердечника T-50-2 (0,25…10 МГц)."}},
        {Toroid(1000, 1, "T-37-2"),
         {"Обмотка из 500 вит. не помещается в один слой на сердечнике T-37-2 даже из самого тонкого провода "
          "(0,1 мм): выберите сердечник больше или с большим A_L."}},
        {Toroid(1, 0.5, "FT-114-77"),
         {"Целое число витков дает индуктивность, отличающуюся от заданной на 27 %: выберите сердечник с "
          "меньшим A_L."}},
        {AirCore(1e6, 1, 1, 0.1), {"Для индуктивности 1000000 мкГн понадобилось бы больше 100000 витков."}},
    };
    for (const auto& c : cases) {
        const CoilAnswer a = CalcCoil(c.task, kRussian);
        EXPECT_EQ(a.warnings, c.warnings) << c.task.coreName;
        EXPECT_EQ(a.rows.empty(), !a.winding);
    }
}

TEST(CoilCalculator, Faults) {
    const struct {
        CoilTask task;
        std::optional<CoilInput> input;
        const char* message;
    } cases[] = {
        {Toroid(0, 7, "T-50-2"), CoilInput::Inductance, "Индуктивность должна быть больше нуля."},
        {Toroid(NAN, 7, "T-50-2"), CoilInput::Inductance, "Индуктивность должна быть больше нуля."},
        {Toroid(0.0005, 7, "T-50-2"), CoilInput::Inductance, "Индуктивность должна быть не меньше 1 нГн."},
        {Toroid(2e6, 7, "T-50-2"), CoilInput::Inductance,
         "Индуктивность должна быть не больше 1000000 мкГн."},
        {Toroid(1, -1, "T-50-2"), CoilInput::Frequency, "Частота должна быть больше нуля."},
        {Toroid(1, 7, "T-99-2"), CoilInput::Core, "Сердечника «T-99-2» нет в каталоге."},
        {AirCore(1, 7, 0, 0.5), CoilInput::FormerDiameter, "Диаметр каркаса должен быть больше нуля."},
        {AirCore(1, 7, 1001, 0.5), CoilInput::FormerDiameter,
         "Диаметр каркаса должен быть не больше 1000 мм."},
        {AirCore(1, 7, 10, 0.55), CoilInput::Wire,
         "Выберите диаметр провода из списка стандартных размеров."},
        {Toroid(1, 7, "T-50-2"), std::nullopt, ""},
        {AirCore(1e6, 1e6, 1000, 3.15), std::nullopt, ""},
    };
    for (const auto& c : cases) {
        const auto fault = FindCoilFault(c.task);
        ASSERT_EQ(fault.has_value(), c.input.has_value()) << c.message;
        if (fault) {
            EXPECT_EQ(fault->input, *c.input);
            EXPECT_EQ(fault->message, c.message);
        }
    }
}
