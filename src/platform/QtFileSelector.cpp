#include "QtFileSelector.h"

#include "QtPathText.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

namespace Platform {

QString QtFileSelector::NameFilter(const std::string& description, const std::string& pattern)
{
    const QString text = QString::fromStdString(description);
    const QString patterns = QString::fromStdString(pattern);
    if (patterns.isEmpty() || text.endsWith(QLatin1Char('(') + patterns + QLatin1Char(')')))
        return text;
    return text + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

QString QtFileSelector::DefaultSuffix(const std::string& defaultExt)
{
    QString suffix = QString::fromStdString(defaultExt);
    while (suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    return suffix;
}

std::optional<std::string> QtFileSelector::ShowOpen(const Conversion::OpenDialogOptions& options)
{
    QWidget* parent = parent_ ? parent_.data() : QApplication::activeWindow();
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(NameFilter(options.filterDescription, options.filterPattern));
    dialog.setDefaultSuffix(DefaultSuffix(options.defaultExt));
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
