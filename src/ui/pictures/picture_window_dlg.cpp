#include "ui/pictures/picture_window_dlg.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/pictures/picture.h"
#include "ui/widgets/dialog_parts.h"

namespace emberlin::ui {

CPictureWindowDlg::CPictureWindowDlg(forms::PictureWindowForm& model, QWidget* parent)
    : CModelDlg(parent, Held<forms::PictureWindowForm>{&model}) {
    setObjectName(ToQ(model_.PictureName()) + QStringLiteral("Window"));
    auto* layout = new QVBoxLayout(this);
    // The window fits its picture; nothing in it can usefully grow.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(
        MakePicture(ToQ(model_.PictureName()), ToQ(model_.Title()).simplified(), this), 0,
        Qt::AlignHCenter);
    layout->addLayout(OkCancelRow(binder_));
    ArrangeDialog(*this, &binder_);
}

}  // namespace emberlin::ui
