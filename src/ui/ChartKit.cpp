#include "ui/ChartKit.h"

#include <dlfcn.h>
#include <unistd.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace vokta::ui {

namespace {

// The folders where the dynamic loader looks for the libraries of the program itself: its run path,
// with $ORIGIN made the program's folder, among them. They are asked for rather than left to dlopen,
// which searches the run path of its caller: a sanitizer's dlopen is called from the sanitizer's library.
std::vector<std::string> ProgramSearchPath() {
    void* program = dlopen(nullptr, RTLD_LAZY);
    Dl_serinfo size{};
    if (!program || dlinfo(program, RTLD_DI_SERINFOSIZE, &size) != 0) return {};
    std::vector<char> buffer(size.dls_size);
    auto* info = reinterpret_cast<Dl_serinfo*>(buffer.data());
    *info = size;
    if (dlinfo(program, RTLD_DI_SERINFO, info) != 0) return {};
    std::vector<std::string> folders;
    for (unsigned i = 0; i < info->dls_cnt; ++i) folders.emplace_back(info->dls_serpath[i].dls_name);
    return folders;
}

}  // namespace

const ChartKit& Charts() {
    static const ChartKit* kit = nullptr;
    if (kit) return *kit;
    void* module = nullptr;
    std::string error = "нет ни в одной из папок программы";
    for (const std::string& folder : ProgramSearchPath()) {
        const std::string path = folder + "/" + VOKTA_CHARTS_MODULE;
        if (access(path.c_str(), F_OK) != 0) continue;
        module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!module) error = dlerror();  // there, but it does not load
        break;
    }
    if (!module)
        throw std::runtime_error(std::string("модуль графиков ") + VOKTA_CHARTS_MODULE +
                                 " не загружен: " + error);
    using Entry = const ChartKit* (*)();
    const auto entry = reinterpret_cast<Entry>(dlsym(module, VOKTA_CHART_KIT_ENTRY));
    if (!entry)
        throw std::runtime_error(std::string("в модуле графиков нет точки входа: ") + VOKTA_CHARTS_MODULE);
    kit = entry();
    return *kit;
}

}  // namespace vokta::ui
