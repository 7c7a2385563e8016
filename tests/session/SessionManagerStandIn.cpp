// A session manager for one client, for the session test: it listens on ICE (the address goes
// to the file "address" in the current folder, for SESSION_MANAGER), and once the file "end"
// appears asks its client to save itself for the session's end, with interaction allowed
// ("any") or not ("none"), grants every interaction asked for, and tells the client to die when
// it saved itself. Each step is printed, one line each, on standard output.
#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <unistd.h>
#include <vector>

namespace {

SmsConn client = nullptr;
bool registered = false;
bool cancelled = false;
bool closed = false;

void say(const char *line)
{
    std::printf("%s\n", line);
    std::fflush(stdout);
}

Status registerClient(SmsConn connection, SmPointer, char *previousId)
{
    std::free(previousId);
    registered = true;
    say("registered");
    return SmsRegisterClientReply(connection, SmsGenerateClientID(connection));
}

void interactRequest(SmsConn connection, SmPointer, int)
{
    say("interaction asked for and granted");
    SmsInteract(connection);
}

void interactDone(SmsConn connection, SmPointer, Bool cancel)
{
    say(cancel ? "interaction done, the end cancelled" : "interaction done");
    if (cancel) {
        cancelled = true;
        SmsShutdownCancelled(connection);
    }
}

void saveYourselfDone(SmsConn connection, SmPointer, Bool success)
{
    say(success ? "saved" : "not saved");
    if (!cancelled && success) {
        SmsDie(connection);
        say("told to die");
    }
}

void closeConnection(SmsConn connection, SmPointer, int count, char **reasons)
{
    SmFreeReasons(count, reasons);
    SmsCleanUp(connection);
    closed = true;
    say("connection closed");
}

void saveYourselfRequest(SmsConn, SmPointer, int, Bool, int, Bool, Bool) {}
void phase2Request(SmsConn connection, SmPointer)
{
    SmsSaveYourselfPhase2(connection);
}

void setProperties(SmsConn, SmPointer, int count, SmProp **properties)
{
    for (int i = 0; i < count; ++i)
        SmFreeProperty(properties[i]);
    std::free(properties);
}

void deleteProperties(SmsConn, SmPointer, int count, char **names)
{
    for (int i = 0; i < count; ++i)
        std::free(names[i]);
    std::free(names);
}

void getProperties(SmsConn connection, SmPointer)
{
    SmsReturnProperties(connection, 0, nullptr);
}

Status newClient(SmsConn connection, SmPointer, unsigned long *mask, SmsCallbacks *callbacks,
                 char **)
{
    client = connection;
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask |
            SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask |
            SmsSaveYourselfDoneProcMask | SmsCloseConnectionProcMask | SmsSetPropertiesProcMask |
            SmsDeletePropertiesProcMask | SmsGetPropertiesProcMask;
    callbacks->register_client.callback = registerClient;
    callbacks->interact_request.callback = interactRequest;
    callbacks->interact_done.callback = interactDone;
    callbacks->save_yourself_request.callback = saveYourselfRequest;
    callbacks->save_yourself_phase2_request.callback = phase2Request;
    callbacks->save_yourself_done.callback = saveYourselfDone;
    callbacks->close_connection.callback = closeConnection;
    callbacks->set_properties.callback = setProperties;
    callbacks->delete_properties.callback = deleteProperties;
    callbacks->get_properties.callback = getProperties;
    return 1;
}

// The test's own display and session: any local client may connect.
Bool anyHost(char *)
{
    return True;
}

} // namespace

int main(int argc, char **argv)
{
    const int style =
        argc > 1 && std::strcmp(argv[1], "none") == 0 ? SmInteractStyleNone : SmInteractStyleAny;
    char error[256];
    int count = 0;
    IceListenObj *listening = nullptr;
    if (!SmsInitialize("stand-in", "1", newClient, nullptr, anyHost, sizeof error, error) ||
        !IceListenForConnections(&count, &listening, sizeof error, error)) {
        std::fprintf(stderr, "%s\n", error);
        return 1;
    }
    for (int i = 0; i < count; ++i)
        IceSetHostBasedAuthProc(listening[i], anyHost);
    FILE *address = std::fopen("address", "w");
    std::fprintf(address, "%s\n", IceComposeNetworkIdList(count, listening));
    std::fclose(address);

    std::vector<IceConn> connections;
    bool asked = false;
    while (!closed) {
        std::vector<pollfd> fds;
        for (int i = 0; i < count; ++i)
            fds.push_back({IceGetListenConnectionNumber(listening[i]), POLLIN, 0});
        for (IceConn connection : connections)
            fds.push_back({IceConnectionNumber(connection), POLLIN, 0});
        ::poll(fds.data(), fds.size(), 100);
        // The connections polled first: one accepted below has no entry in fds yet.
        const size_t polled = fds.size() - size_t(count);
        for (size_t i = 0; i < polled; ++i) {
            if ((fds[count + i].revents & (POLLIN | POLLHUP)) &&
                IceProcessMessages(connections[i], nullptr, nullptr) ==
                    IceProcessMessagesConnectionClosed) {
                say("connection lost");
                closed = true;
            }
        }
        for (int i = 0; i < count; ++i) {
            if (!(fds[i].revents & POLLIN))
                continue;
            IceAcceptStatus accepted;
            IceConn connection = IceAcceptConnection(listening[i], &accepted);
            while (connection && IceConnectionStatus(connection) == IceConnectPending)
                IceProcessMessages(connection, nullptr, nullptr);
            if (connection && IceConnectionStatus(connection) == IceConnectAccepted)
                connections.push_back(connection);
        }
        if (registered && !asked && ::access("end", F_OK) == 0) {
            asked = true;
            say(style == SmInteractStyleAny ? "the session ends, interaction allowed"
                                            : "the session ends, no interaction");
            SmsSaveYourself(client, SmSaveBoth, True, style, False);
        }
    }
    return 0;
}
