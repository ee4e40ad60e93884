#pragma once
// A real full disk: a small tmpfs mounted on a temporary folder and filled up
// to the last byte. Mounting needs root (CI runs as root); elsewhere the tests
// that use it are skipped with the reason.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace quillon::prueba {

class DiscoLleno {
public:
    // Mounts the tmpfs; montado() tells whether it worked.
    DiscoLleno()
    {
        if (!carpeta_.isValid()) return;
        montado_ = QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                                               QStringLiteral("-o"), QStringLiteral("size=256k"),
                                                               QStringLiteral("tmpfs"), carpeta_.path()}) == 0;
    }
    ~DiscoLleno()
    {
        if (montado_) QProcess::execute(QStringLiteral("umount"), {carpeta_.path()});
    }
    DiscoLleno(const DiscoLleno&) = delete;
    DiscoLleno& operator=(const DiscoLleno&) = delete;

    bool montado() const { return montado_; }
    QString ruta(const QString& nombre) const { return QDir(carpeta_.path()).filePath(nombre); }

    // Fills every byte left with one file.
    void llenar() const
    {
        QFile f(ruta(QStringLiteral("relleno")));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return;
        const QByteArray bloque(4096, 'x');
        while (f.write(bloque) == bloque.size()) {}
        while (f.write("x", 1) == 1) {}
    }
    // The files on the disk besides the filler (a failed save leaves no
    // temporary file behind).
    QStringList archivos() const
    {
        QStringList l = QDir(carpeta_.path()).entryList(QDir::Files | QDir::Hidden);
        l.removeAll(QStringLiteral("relleno"));
        return l;
    }

private:
    QTemporaryDir carpeta_;
    bool montado_ = false;
};

}  // namespace quillon::prueba
