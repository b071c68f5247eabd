#pragma once
// Makes a locale the default for the life of the object and restores the earlier one after, so
// that a test can look at the program under a German locale whatever the locale it runs in.
#include <QLocale>

namespace vozavero {

class DefaultLocale {
public:
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(saved_); }
    DefaultLocale(const DefaultLocale&) = delete;
    DefaultLocale& operator=(const DefaultLocale&) = delete;

private:
    QLocale saved_;
};

} // namespace vozavero
