#pragma once

#include <QString>
#include <functional>
#include <utility>

namespace lumbrell {

// A control the user never sees (hidden or off-window) that the handlers use
// as a named variable. A write that changes the text runs the control's change
// handler at once, nested inside the write, before the writer's next step.
// Writing the text the control already holds runs nothing, as with a line edit.
class Field {
public:
    explicit Field(QString designText = {}) : text_(std::move(designText)) {}

    const QString& text() const { return text_; }

    void setText(const QString& text)
    {
        if (text == text_)
            return;
        text_ = text;
        if (onChange_)
            onChange_();
    }

    void setChangeHandler(std::function<void()> handler) { onChange_ = std::move(handler); }

private:
    QString text_;
    std::function<void()> onChange_;
};

} // namespace lumbrell
