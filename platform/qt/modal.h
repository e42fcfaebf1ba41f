// The one place modal windows are shown. Tests install a script that answers instead of a person.
#pragma once

#include <functional>

class QDialog;

namespace mindloom {

// Shows the dialog modally and returns its result (QDialog::exec), or the scripted answer.
int showModal(QDialog& dialog);

// While set, showModal calls the script with the dialog instead of showing it; the script may
// fill the dialog's fields and returns the modal result. Reset with an empty function.
using ModalScript = std::function<int(QDialog&)>;
void setModalScript(ModalScript script);

// Installs a script for the lifetime of the object (for tests).
class ScopedModalScript {
public:
    explicit ScopedModalScript(ModalScript script) { setModalScript(std::move(script)); }
    ~ScopedModalScript() { setModalScript({}); }
    ScopedModalScript(const ScopedModalScript&) = delete;
    ScopedModalScript& operator=(const ScopedModalScript&) = delete;
};

}  // namespace mindloom
