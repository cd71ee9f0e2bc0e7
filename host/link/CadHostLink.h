// The line between the editor and a running cadhost: a local socket whose name both find in
// the user's runtime folder. Each request and each reply is one line of JSON (UTF-8).
//
// Requests (the "request" member) and their replies:
//   {"request":"hello"}                     {"host":"cadhost","version":"17.0"}
//   {"request":"document"}                  {"document":"Drawing1.dwg","entities":0}
//   {"request":"command","line":"BC_NOUI "} {"taken":true}, and once the command is over
//        {"finished":true,"ran":true,"drawn":true,"entities":N,"boxes":[{"caption":C,"text":T}]}
// A command line sent while another one runs gets {"finished":true,"ran":false,"busy":true}.
// A request the host does not know gets {"error":"..."}.
#pragma once

#include <QJsonObject>
#include <QString>

class QLocalSocket;

class CadHostLink {
public:
    // $XDG_RUNTIME_DIR/corbel-cadhost, else corbel-cadhost-UID in the temporary folder.
    static QString serverName();
    // The version text of the platform interface the host serves ("17.0").
    static QString interfaceVersion();

    static void send(QLocalSocket& socket, const QJsonObject& message);
    // The next whole line already received, as an object; false when no whole line is there.
    static bool receive(QLocalSocket& socket, QJsonObject& message);
};
