#pragma once
// A text of fixed capacity: assignments longer than N characters are cut to N.

#include <QString>

template <int N>
class ShortText {
public:
    ShortText() = default;
    ShortText(const QString& s) : text_(s.left(N)) {}
    ShortText(const char* s) : text_(QString::fromUtf8(s).left(N)) {}
    ShortText& operator=(const QString& s)
    {
        text_ = s.left(N);
        return *this;
    }
    ShortText& operator=(const char* s) { return *this = QString::fromUtf8(s); }
    operator const QString&() const { return text_; }
    const QString& str() const { return text_; }
    bool operator==(const QString& s) const { return text_ == s; }
    static constexpr int capacity = N;

private:
    QString text_;
};
