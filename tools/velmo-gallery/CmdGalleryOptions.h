#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

// One render of a `cmd` as the command line describes it.
struct CmdRenderOptions {
    enum class State { Up, Hover, Down, Disabled };

    int type = 2;
    State state = State::Up;
    QSize size;
    int scheme = 1;
    bool focus = false;
    bool isDefault = false;
    bool soft = false;
    bool checkOn = false;
    bool over = false;
    bool noFocusRect = false;
    bool greyscale = false;
    bool noMask = false;
    std::optional<quint32> back;
    std::optional<quint32> fore;
    std::optional<quint32> backOver;
    std::optional<quint32> foreOver;
    std::optional<quint32> parent;
    QString caption;
    int effect = 0;
    QString picture;
    QString pictureOver;
    int position = 0;
    std::optional<quint32> mask;
    QString out;
};

// What `velmo-gallery cmd ...` was asked to do.
struct CmdGalleryRequest {
    enum class Kind { Render, Batch, Sheet };

    Kind kind = Kind::Render;
    CmdRenderOptions render;
    // The batch file or the sheet's picture.
    QString file;
};

// Reads the arguments after `cmd`; on a bad argument, none and the reason in `error`.
std::optional<CmdGalleryRequest> parseCmdGalleryRequest(const QStringList &arguments,
                                                        QString &error);
std::optional<CmdRenderOptions> parseCmdRenderOptions(const QStringList &arguments, QString &error);

extern const char cmdGalleryUsage[];
