#include "ui/pictures/picture_window_dlg.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/pictures/picture.h"
#include "ui/widgets/calculator_frame.h"
#include "ui/widgets/dialog_parts.h"

namespace emberlin::ui {

CPictureWindowDlg::CPictureWindowDlg(forms::PictureWindowForm& model, QWidget* parent)
    : CModelDlg(parent, Held<forms::PictureWindowForm>{&model}) {
    setObjectName(ToQ(model_.PictureName()) + QStringLiteral("Window"));
    auto* frame = new CCalculatorFrame(*this, nullptr);
    frame->ContentLayout()->addWidget(
        MakePicture(ToQ(model_.PictureName()), ToQ(model_.Title()).simplified(), this), 0,
        Qt::AlignHCenter);
    frame->ActionRow()->addLayout(OkCancelRow(binder_));
}

}  // namespace emberlin::ui
