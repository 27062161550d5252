#pragma once

#include <QIcon>
#include <QString>

// The pictures of the eye buttons: "/eye.jpg" while the input is masked, "/eye1.jpg"
// while it shows clear text, looked up below the application folder.
namespace EyePicture {

enum State { Masked, Clear };

QString fileName(State state);

// The file to load: sAppPath + "\BIN" + name when it exists, else sAppPath + name
// when that exists, else empty. Both separators are tried for the BIN folder so
// that hosts may hand over either style of path.
QString locate(const QString &appPath, State state);

// The picture drawn by the library itself, used until a file replaces it.
QIcon builtIn(State state);

} // namespace EyePicture
