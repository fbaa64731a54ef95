#pragma once
// The preview forms of the folder view for files that are not batches: a picture, the first page
// of a PDF document, and the details of any other file with a button that opens it.
#include <QWidget>
#include <cstdint>

class QLabel;
class QPushButton;

// Opens a file with the program the desktop associates with it. Tests replace the opener.
void OpenWithShell(const QString &path);
void SetShellOpener(void (*opener)(const QString &path));

// A picture scaled in proportion to fill the pane, centred; double-click opens the file.
class TFormViewImage : public QWidget {
    Q_OBJECT
public:
    explicit TFormViewImage(QWidget *parent = nullptr);
    // Loads the file again only when the path or its time changed.
    void ShowFile(const QString &path);
    QString FileName() const { return FFileName; }
    const QImage &Picture() const { return FImage; }
    int LoadCount() const { return FLoadCount; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void SetPicture(const QString &path, const QImage &image);

private:
    QString FFileName;
    std::int32_t FFileTime = -1;
    QImage FImage;
    int FLoadCount = 0;
};

// The first page of a PDF document, rendered once per file and time.
class TFormViewPDF : public TFormViewImage {
    Q_OBJECT
public:
    explicit TFormViewPDF(QWidget *parent = nullptr);
    void ShowFile(const QString &path);
    // Renders the first page of a PDF file at `dpi`; a null image when it cannot be read.
    static QImage RenderFirstPage(const QString &path, double dpi);

private:
    QString FPdfName;
    std::int32_t FPdfTime = -1;
};

// The name, type, size and time of a file, with a button to open it in its own program.
class TFormViewOle : public QWidget {
    Q_OBJECT
public:
    explicit TFormViewOle(QWidget *parent = nullptr);
    void ShowFile(const QString &path);
    QString FileName() const { return FFileName; }
    QString DetailsText() const;

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QString FFileName;
    QLabel *FLabelDetails;
    QPushButton *FButtonOpen;
};
