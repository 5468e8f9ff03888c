#include "support/BoxScript.h"

namespace vokta::test {

BoxScript::BoxScript() {
    ui::SetBoxHandler(this);
}
// A script made while another still lives takes over; the older one then leaves the newer in place.
BoxScript::~BoxScript() {
    if (ui::CurrentBoxHandler() == this) ui::SetBoxHandler(nullptr);
}

BoxScript& BoxScript::answer(const QString& text) {
    answers_.emplace_back(text);
    return *this;
}

BoxScript& BoxScript::cancel() {
    answers_.emplace_back(std::nullopt);
    return *this;
}

void BoxScript::message(const QString& title, const QString& text, ui::MsgIcon icon) {
    messages.push_back({title, text, icon});
}

std::optional<QString> BoxScript::input(const QString& prompt, const QString& title) {
    inputs.push_back({prompt, title});
    if (answers_.empty()) {
        unexpected.append(title + "|" + prompt);
        return std::nullopt;
    }
    auto next = answers_.front();
    answers_.pop_front();
    return next;
}

void BoxScript::clear() {
    messages.clear();
    inputs.clear();
    unexpected.clear();
    answers_.clear();
}

QStringList BoxScript::messageTexts() const {
    QStringList out;
    for (const auto& m : messages) out.append(m.title + "|" + m.text);
    return out;
}

}  // namespace vokta::test
