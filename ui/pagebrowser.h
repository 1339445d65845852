#pragma once
// Local HTML pages (the manual, rule pages, language pages) with their pictures
// and links inside the same folder. Pages may be written in UTF-8 or, as on an
// old medium, in code page 1252.

#include <QTextBrowser>
#include <filesystem>

namespace lingvaro::ui {

class PageBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit PageBrowser(QWidget* parent = nullptr);
    void openPage(const std::filesystem::path& file);
    // The page on show, empty before the first.
    std::filesystem::path currentPage() const { return current_; }

    // The text of a page file, decoded as its bytes say.
    static QString decodePage(const QByteArray& bytes);

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    std::filesystem::path current_;
};

} // namespace lingvaro::ui
