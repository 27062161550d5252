#include "service/HttpGetText.h"

#include "service/OpenTextStream.h"

QString HttpGetText(const QString &url)
{
    TextLineStream stream = OpenTextStream(url);
    QString text;
    while (!stream.atEnd())
        text += stream.readLine();
    return text;
}
