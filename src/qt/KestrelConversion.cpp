#include "qt/KestrelConversion.h"

#include "common/ApplicationIdentity.h"
#include "common/ProgramError.h"
#include "qt/QtPathText.h"
#include "qt/QtStationCallsignDialog.h"
#include "window/WindowLayout.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QList>
#include <QMetaObject>
#include <QMimeData>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QUrl>
#include <vector>

namespace Conversion {

namespace {

QString FromLayout(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The button's font at the size the layout gives, lowered by half a point at a
// time while its label comes closer to the frame the style draws than the
// margin. DejaVu Sans, the usual face under a plain X server, needs 7.5 points.
QFont LabelFont(const QPushButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.features = QStyleOptionButton::DefaultButton;
    option.text = button.text();
    const QRect content =
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    const int margin = 2 * WindowLayout::kConvertCmdLabelMargin;
    QFont font = button.font();
    for (int halfPoints = 2 * WindowLayout::kConvertCmdFontPoints;; --halfPoints) {
        font.setPointSizeF(halfPoints / 2.0);
        const QRect label = QFontMetrics(font, &button).boundingRect(button.text());
        if ((label.width() + margin <= content.width() &&
             label.height() + margin <= content.height()) ||
            halfPoints <= 2 * WindowLayout::kConvertCmdLeastFontPoints)
            return font;
    }
}

} // namespace

KestrelConversion::KestrelConversion(FileSelector& fileSelector, MessageBoxes& messages,
                                     SettingsStore& settings, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      ConvertCmd_(new QPushButton(this)), StandardAdif3_(new QAction(this)),
      StationCallsign_(new QAction(this)),
      actions_(fileSelector, messages, settings,
               [this](bool converting) { OnConverting(converting); })
{
    setWindowTitle(QString::fromStdString(Common::Identity().productName));
    setWindowIcon(ApplicationIcon());
    setFixedSize(WindowLayout::kClientWidth, WindowLayout::kClientHeight);
    setAcceptDrops(true);

    ConvertCmd_->setObjectName(FromLayout(WindowLayout::kConvertCmdName));
    ConvertCmd_->setText(FromLayout(WindowLayout::kConvertCmdCaption));
    ConvertCmd_->setToolTip(FromLayout(WindowLayout::kConvertCmdToolTip));
    const WindowLayout::Rectangle& geometry = WindowLayout::kConvertCmdGeometry;
    ConvertCmd_->setGeometry(geometry.left, geometry.top, geometry.width, geometry.height);
    ConvertCmd_->setFont(LabelFont(*ConvertCmd_));
    // The only control: it takes the focus and answers Enter.
    ConvertCmd_->setFocusPolicy(Qt::StrongFocus);
    ConvertCmd_->setDefault(true);
    ConvertCmd_->setFocus();
    connect(ConvertCmd_, &QPushButton::clicked, this, &KestrelConversion::ConvertCmd_Click);

    // In a context menu rather than a menu bar, so that the window keeps its
    // layout; the title bar's menu belongs to the window manager.
    StandardAdif3_->setObjectName(FromLayout(WindowLayout::kStandardAdif3Name));
    StandardAdif3_->setText(FromLayout(WindowLayout::kStandardAdif3Caption));
    StandardAdif3_->setCheckable(true);
    StandardAdif3_->setChecked(actions_.StandardAdif3());
    connect(StandardAdif3_, &QAction::toggled, this, &KestrelConversion::StandardAdif3_Toggled);
    addAction(StandardAdif3_);
    StationCallsign_->setObjectName(FromLayout(WindowLayout::kStationCallsignName));
    StationCallsign_->setText(FromLayout(WindowLayout::kStationCallsignCaption));
    connect(StationCallsign_, &QAction::triggered, this,
            &KestrelConversion::StationCallsign_Triggered);
    addAction(StationCallsign_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

QIcon KestrelConversion::ApplicationIcon()
{
    QIcon icon;
    for (const int size : WindowLayout::kIconSizes)
        icon.addFile(QStringLiteral(":/icons/kestreltoadif-%1.png").arg(size), QSize(size, size));
    return icon;
}

std::optional<std::string> KestrelConversion::DroppedLog(const QMimeData* mimeData)
{
    if (mimeData == nullptr || !mimeData->hasUrls())
        return std::nullopt;
    std::vector<std::string> paths;
    for (const QUrl& url : mimeData->urls()) {
        if (!url.isLocalFile())
            return std::nullopt;
        paths.push_back(Platform::PathFromQString(url.toLocalFile()));
    }
    return WindowActions::DroppedLog(paths);
}

void KestrelConversion::OnConverting(bool converting)
{
    StandardAdif3_->setEnabled(!converting);
    StationCallsign_->setEnabled(!converting);
}

void KestrelConversion::ConvertCmd_Click()
{
    actions_.ConvertCmd_Click();
}

void KestrelConversion::StandardAdif3_Toggled(bool checked)
{
    Common::ReportFailures("KestrelConversion.StandardAdif3_Toggled",
                           [&] { actions_.ChooseStandardAdif3(checked); });
}

void KestrelConversion::StationCallsign_Triggered()
{
    if (actions_.Converting())
        return;
    Common::ReportFailures("KestrelConversion.StationCallsign_Triggered", [&] {
        QString entered = QString::fromStdString(actions_.StationCallsign());
        while (const std::optional<QString> answer = Platform::AskStationCallsign(this, entered)) {
            entered = *answer;
            if (actions_.ChooseStationCallsign(entered.toStdString()))
                return;
        }
    });
}

void KestrelConversion::keyPressEvent(QKeyEvent* event)
{
    // Shift+F10 opens the context menu as the Menu key does: Qt makes a
    // context menu event of the Menu key only.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        const QPoint where = ConvertCmd_->geometry().center();
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, where, mapToGlobal(where));
        QCoreApplication::sendEvent(this, &menuEvent);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void KestrelConversion::dragEnterEvent(QDragEnterEvent* event)
{
    if (!actions_.Converting() && DroppedLog(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void KestrelConversion::dragMoveEvent(QDragMoveEvent* event)
{
    if (!actions_.Converting() && DroppedLog(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void KestrelConversion::dropEvent(QDropEvent* event)
{
    const std::optional<std::string> logPath = DroppedLog(event->mimeData());
    if (actions_.Converting() || !logPath) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // Converted once the drop is over, so that the program the file came from
    // is not held up by the conversion's message boxes.
    QMetaObject::invokeMethod(
        this, [this, path = *logPath] { actions_.ConvertDroppedLog(path); }, Qt::QueuedConnection);
}

} // namespace Conversion
