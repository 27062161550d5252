#include "service/HttpGetText.h"

QString HttpGetText(const QString &url, std::chrono::milliseconds silenceLimit)
{
    TextLineStream stream = OpenTextStream(url, silenceLimit);
    QString text;
    while (!stream.atEnd())
        text += stream.readLine();
    return text;
}
