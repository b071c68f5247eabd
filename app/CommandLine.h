#pragma once
// The two command-line switches, tested on the whole command line as one string: "/NEW" (exact
// case, anywhere, even inside a longer word) lets a second instance start; "-DEV" (any case,
// anywhere) shows the start-up trace.
#include <QString>
#include <QStringList>

namespace vozavero {

class CommandLine {
public:
    explicit CommandLine(QString text = {})
        : text_(std::move(text)) {}
    /// The arguments after the program name, joined by blanks.
    static CommandLine fromArguments(const QStringList& arguments);

    const QString& text() const { return text_; }
    bool allowsSecondInstance() const { return text_.contains(QStringLiteral("/NEW")); }
    bool showsTrace() const { return text_.toUpper().contains(QStringLiteral("-DEV")); }

private:
    QString text_;
};

} // namespace vozavero
