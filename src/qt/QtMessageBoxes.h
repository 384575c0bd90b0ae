#pragma once

#include "command/ConversionServices.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace Platform {

// Modal message boxes titled with the product name, without icons.
class QtMessageBoxes : public Conversion::MessageBoxes
{
public:
    // Without a parent the box is centred over whichever window is active.
    explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}

    void SetParentWidget(QWidget* parent) { parent_ = parent; }

    void ShowMessage(Conversion::MessageKind kind, const std::string& text) override;
    Conversion::Answer AskYesNoCancel(const std::string& text) override;

    // The text as shown: record bytes are single-byte characters, every other
    // message quotes a file name.
    static QString DisplayText(Conversion::MessageKind kind, const std::string& text);

private:
    QWidget* Parent() const;

    QPointer<QWidget> parent_;
};

} // namespace Platform
