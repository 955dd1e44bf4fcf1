#include "pages/LabelQuantity.h"

int labelQuantity(const QString &text) {
    bool isInteger = false;
    const int value = text.toInt(&isInteger, 10);
    return isInteger && value != 0 ? value : 1;
}

bool isWholeNumber(const QString &text) {
    bool isInteger = false;
    text.toInt(&isInteger, 10);
    return isInteger;
}
