#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "coil/CoilCalculator.h"

using namespace vokta;

namespace {

CoilTask Task(double uH, double MHz, const char* core, double former = 0, double wire = 0.5) {
    return {uH, MHz, core, former, wire};
}

}  // namespace

// T-37-2 takes 500 turns for 1 mH and not one layer of even 0.1 mm wire; one turn on FT-114-77 is 1.27 µH.
TEST(CoilCalculator, Warnings) {
    const struct {
        CoilTask task;
        std::vector<std::string> warnings;
    } cases[] = {
        {Task(1000, 1, "T-37-2"),
         {"Обмотка из 500 вит. не помещается в один слой на сердечнике T-37-2 даже из самого тонкого провода "
          "(0,1 мм): выберите сердечник больше или с большим A_L."}},
        {Task(1, 0.5, "FT-114-77"),
         {"Целое число витков дает индуктивность, отличающуюся от заданной на 27 %: выберите сердечник с "
          "меньшим A_L."}},
        {Task(1e6, 1, "", 1, 0.1), {"Для индуктивности 1000000 мкГн понадобилось бы больше 100000 витков."}},
    };
    for (const auto& c : cases) {
        const CoilAnswer a = CalcCoil(c.task, {",", " "});
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
        {Task(NAN, 7, "T-50-2"), CoilInput::Inductance, "Индуктивность должна быть больше нуля."},
        {Task(2e6, 7, "T-50-2"), CoilInput::Inductance, "Индуктивность должна быть не больше 1000000 мкГн."},
        {Task(1, -1, "T-50-2"), CoilInput::Frequency, "Частота должна быть больше нуля."},
        {Task(1, 7, "T-99-2"), CoilInput::Core, "Сердечника «T-99-2» нет в каталоге."},
        {Task(1, 7, "", 1001), CoilInput::FormerDiameter, "Диаметр каркаса должен быть не больше 1000 мм."},
        {Task(1, 7, "", 10, 0.55), CoilInput::Wire,
         "Выберите диаметр провода из списка стандартных размеров."},
        {Task(1e6, 1e6, "", 1000, 3.15), std::nullopt, ""},
    };
    for (const auto& c : cases) {
        const auto fault = FindCoilFault(c.task);
        ASSERT_EQ(fault.has_value(), c.input.has_value()) << c.message;
        if (fault) {
            EXPECT_EQ(std::make_pair(fault->input, fault->message),
                      std::make_pair(*c.input, std::string(c.message)));
        }
    }
}
