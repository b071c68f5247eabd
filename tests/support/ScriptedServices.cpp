#include "ScriptedServices.h"

namespace vozavero {

void ScriptedServices::inputAid(QLineEdit* field, const QString& caption) {
    inputAidCaptions.append(caption);
    if (inputAidEdit && field != nullptr) {
        field->setText(inputAidEdit(field->text()));
    }
}

} // namespace vozavero
