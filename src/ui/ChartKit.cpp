#include "ui/ChartKit.h"

#include <dlfcn.h>

#include <stdexcept>
#include <string>

namespace vokta::ui {

const ChartKit& Charts() {
    static const ChartKit* kit = nullptr;
    if (kit) return *kit;
    // Called from the program itself, so the dynamic loader searches the program's run path for it.
    void* module = dlopen(VOKTA_CHARTS_MODULE, RTLD_NOW | RTLD_LOCAL);
    if (!module) throw std::runtime_error(std::string("модуль графиков не загружен: ") + dlerror());
    using Entry = const ChartKit* (*)();
    const auto entry = reinterpret_cast<Entry>(dlsym(module, VOKTA_CHART_KIT_ENTRY));
    if (!entry)
        throw std::runtime_error(std::string("в модуле графиков нет точки входа: ") + VOKTA_CHARTS_MODULE);
    kit = entry();
    return *kit;
}

}  // namespace vokta::ui
