#include "modal.h"

#include <QDialog>

namespace mindloom {
namespace {
ModalScript& script() {
    static ModalScript instance;
    return instance;
}
}  // namespace

int showModal(QDialog& dialog) {
    if (script()) {
        const int result = script()(dialog);
        dialog.setResult(result);
        return result;
    }
    return dialog.exec();
}

void setModalScript(ModalScript s) { script() = std::move(s); }

}  // namespace mindloom
