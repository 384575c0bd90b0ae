#include "qt/QtFileSelector.h"

#include "qt/QtPathText.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

namespace Platform {

std::optional<std::string> QtFileSelector::ShowOpen(const Conversion::OpenDialogOptions& options)
{
    QWidget* parent = parent_ ? parent_.data() : QApplication::activeWindow();
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // "Log (*.log)" shows its pattern already, as Qt wants a filter; Qt drops the
    // leading dot of ".log" itself.
    dialog.setNameFilter(QString::fromStdString(options.filterDescription));
    dialog.setDefaultSuffix(QString::fromStdString(options.defaultExt));
    if (!options.initDir.empty())
        dialog.setDirectory(PathToQString(options.initDir));
    // A previous choice given with its folder opens that folder, as the
    // system dialogs do.
    if (!options.fileName.empty())
        dialog.selectFile(PathToQString(options.fileName));

    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return std::nullopt;
    return PathFromQString(chosen.constFirst());
}

} // namespace Platform
