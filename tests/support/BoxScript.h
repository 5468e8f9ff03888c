#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

#include "ui/Boxes.h"

namespace vokta::test {

// Stands in for every modal box while it lives: message boxes are recorded (title, text, icon) and
// closed at once; input boxes take the next scripted answer, or are cancelled and recorded as
// unexpected when the script has none left, so a test fails instead of hanging.
class BoxScript : public ui::BoxHandler {
public:
    struct Message {
        QString title;
        QString text;
        ui::MsgIcon icon;
    };
    struct Input {
        QString prompt;
        QString title;
    };

    BoxScript();
    ~BoxScript() override;

    BoxScript& answer(const QString& text);  // the next input box gets this text
    BoxScript& cancel();                     // the next input box is cancelled

    void message(const QString& title, const QString& text, ui::MsgIcon icon) override;
    std::optional<QString> input(const QString& prompt, const QString& title) override;

    std::vector<Message> messages;
    std::vector<Input> inputs;
    QStringList unexpected;  // input boxes that had no scripted answer
    int pendingAnswers() const { return int(answers_.size()); }
    void clear();

    // "title|text" of each recorded message, for compact comparisons.
    QStringList messageTexts() const;

private:
    std::deque<std::optional<QString>> answers_;
};

}  // namespace vokta::test

// Fails the current Qt test unless every scripted answer was used and no box came unexpectedly.
#define VOKTA_VERIFY_BOXES_DONE(script)                                                    \
    do {                                                                                   \
        QVERIFY2((script).unexpected.isEmpty(),                                            \
                 qPrintable("unexpected input boxes: " + (script).unexpected.join("; "))); \
        QCOMPARE((script).pendingAnswers(), 0);                                            \
    } while (false)
