#pragma once

#include "command/ConversionServices.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace Platform {

// The Open dialog of the Convert command.
class QtFileSelector : public Conversion::FileSelector
{
public:
    // Without a parent the dialog is centred over whichever window is active.
    explicit QtFileSelector(QWidget* parent = nullptr) : parent_(parent) {}

    void SetParentWidget(QWidget* parent) { parent_ = parent; }

    std::optional<std::string> ShowOpen(const Conversion::OpenDialogOptions& options) override;

private:
    QPointer<QWidget> parent_;
};

} // namespace Platform
