/* A minimal X session manager (XSMP over ICE) for the end-to-end tests: it takes one client,
 * and on a command from its standard input asks it to save ("save", as a logout does: save
 * both local state and user data, shutdown pending), or to quit ("die"). It prints what the
 * client says, one line each:
 *
 *   listening NETWORK-ID        the value for SESSION_MANAGER
 *   registered                  a client has registered (the initial save request follows)
 *   save-done SUCCESS           the client has finished a save
 *   property NAME VALUE         a property the client set (numbers for cards, else text)
 *   closed                      the client closed its connection
 *
 * Authentication is host based and lets every local client in: the test's client is the game.
 */
#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#define MAX_CONNECTIONS 8

static SmsConn client;
static IceConn connections[MAX_CONNECTIONS];
static int connectionCount;

static Bool LetIn(char* hostname) {
    (void)hostname;
    return True;
}

static Status RegisterClient(SmsConn conn, SmPointer data, char* previousId) {
    (void)data;
    free(previousId);
    if (!SmsRegisterClientReply(conn, SmsGenerateClientID(conn))) {
        return 0;
    }
    printf("registered\n");
    /* A new client is asked for its state once, at once. */
    SmsSaveYourself(conn, SmSaveLocal, False, SmInteractStyleNone, False);
    return 1;
}

static void InteractRequest(SmsConn conn, SmPointer data, int dialogType) {
    (void)data;
    (void)dialogType;
    SmsInteract(conn);
}

static void InteractDone(SmsConn conn, SmPointer data, Bool cancelShutdown) {
    (void)conn;
    (void)data;
    printf("interact-done %d\n", cancelShutdown ? 1 : 0);
}

static void SaveYourselfRequest(SmsConn conn, SmPointer data, int saveType, Bool shutdown,
                                int interactStyle, Bool fast, Bool global) {
    (void)conn, (void)data, (void)saveType, (void)shutdown, (void)interactStyle, (void)fast;
    (void)global;
}

static void SaveYourselfPhase2Request(SmsConn conn, SmPointer data) {
    (void)data;
    SmsSaveYourselfPhase2(conn);
}

static void SaveYourselfDone(SmsConn conn, SmPointer data, Bool success) {
    (void)conn;
    (void)data;
    printf("save-done %d\n", success ? 1 : 0);
}

static void CloseConnection(SmsConn conn, SmPointer data, int count, char** reasons) {
    (void)data;
    IceConn ice = SmsGetIceConnection(conn);
    SmFreeReasons(count, reasons);
    SmsCleanUp(conn);
    IceSetShutdownNegotiation(ice, False);
    IceCloseConnection(ice);
    for (int i = 0; i < connectionCount; ++i) {
        if (connections[i] == ice) {
            connections[i] = connections[--connectionCount];
            break;
        }
    }
    client = NULL;
    printf("closed\n");
}

static void SetProperties(SmsConn conn, SmPointer data, int count, SmProp** properties) {
    (void)conn;
    (void)data;
    for (int i = 0; i < count; ++i) {
        SmProp* property = properties[i];
        if (strcmp(property->type, SmCARD8) == 0 && property->num_vals == 1) {
            printf("property %s %d\n", property->name, *(unsigned char*)property->vals[0].value);
        } else if (property->num_vals >= 1) {
            printf("property %s %.*s\n", property->name, property->vals[0].length,
                   (char*)property->vals[0].value);
        }
        SmFreeProperty(property);
    }
    free(properties);
}

static void DeleteProperties(SmsConn conn, SmPointer data, int count, char** names) {
    (void)conn;
    (void)data;
    for (int i = 0; i < count; ++i) {
        free(names[i]);
    }
    free(names);
}

static void GetProperties(SmsConn conn, SmPointer data) {
    (void)data;
    SmsReturnProperties(conn, 0, NULL);
}

static Status NewClient(SmsConn conn, SmPointer data, unsigned long* mask, SmsCallbacks* callbacks,
                        char** failure) {
    (void)data;
    (void)failure;
    client = conn;
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask |
            SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask |
            SmsSaveYourselfDoneProcMask | SmsCloseConnectionProcMask | SmsSetPropertiesProcMask |
            SmsDeletePropertiesProcMask | SmsGetPropertiesProcMask;
    callbacks->register_client.callback = RegisterClient;
    callbacks->interact_request.callback = InteractRequest;
    callbacks->interact_done.callback = InteractDone;
    callbacks->save_yourself_request.callback = SaveYourselfRequest;
    callbacks->save_yourself_phase2_request.callback = SaveYourselfPhase2Request;
    callbacks->save_yourself_done.callback = SaveYourselfDone;
    callbacks->close_connection.callback = CloseConnection;
    callbacks->set_properties.callback = SetProperties;
    callbacks->delete_properties.callback = DeleteProperties;
    callbacks->get_properties.callback = GetProperties;
    return 1;
}

static void Command(const char* line) {
    if (client == NULL) {
        printf("no-client\n");
    } else if (strcmp(line, "save") == 0) {
        SmsSaveYourself(client, SmSaveBoth, True, SmInteractStyleAny, False);
    } else if (strcmp(line, "die") == 0) {
        SmsDie(client);
    } else {
        printf("unknown %s\n", line);
    }
}

int main(void) {
    char error[256];
    int listenCount = 0;
    IceListenObj* listeners = NULL;
    setvbuf(stdout, NULL, _IOLBF, 0);
    if (!SmsInitialize("lumabels-test", "1", NewClient, NULL, LetIn, sizeof error, error) ||
        !IceListenForConnections(&listenCount, &listeners, sizeof error, error)) {
        fprintf(stderr, "session manager: %s\n", error);
        return 1;
    }
    for (int i = 0; i < listenCount; ++i) {
        IceSetHostBasedAuthProc(listeners[i], LetIn);
        char* id = IceGetListenConnectionString(listeners[i]);
        if (strncmp(id, "local/", 6) == 0 || strncmp(id, "unix/", 5) == 0) {
            printf("listening %s\n", id);
        }
        free(id);
    }
    char pending[256];
    size_t used = 0;
    for (;;) {
        struct pollfd fds[1 + 8 + MAX_CONNECTIONS];
        int n = 0;
        fds[n++] = (struct pollfd){.fd = STDIN_FILENO, .events = POLLIN};
        for (int i = 0; i < listenCount && i < 8; ++i) {
            fds[n++] = (struct pollfd){.fd = IceGetListenConnectionNumber(listeners[i]), .events = POLLIN};
        }
        for (int i = 0; i < connectionCount; ++i) {
            fds[n++] = (struct pollfd){.fd = IceConnectionNumber(connections[i]), .events = POLLIN};
        }
        if (poll(fds, (nfds_t)n, -1) < 0) {
            continue;
        }
        if (fds[0].revents & (POLLIN | POLLHUP)) {
            const ssize_t got = read(STDIN_FILENO, pending + used, sizeof pending - 1 - used);
            if (got <= 0) {
                return 0;
            }
            used += (size_t)got;
            pending[used] = 0;
            char* end;
            while ((end = strchr(pending, '\n')) != NULL) {
                *end = 0;
                Command(pending);
                used -= (size_t)(end + 1 - pending);
                memmove(pending, end + 1, used + 1);
            }
        }
        for (int i = 0; i < listenCount && i < 8; ++i) {
            if (!(fds[1 + i].revents & POLLIN) || connectionCount == MAX_CONNECTIONS) {
                continue;
            }
            IceAcceptStatus status;
            IceConn ice = IceAcceptConnection(listeners[i], &status);
            if (ice == NULL) {
                continue;
            }
            while (IceConnectionStatus(ice) == IceConnectPending) {
                IceProcessMessages(ice, NULL, NULL);
            }
            if (IceConnectionStatus(ice) == IceConnectAccepted) {
                connections[connectionCount++] = ice;
            } else {
                IceCloseConnection(ice);
            }
        }
        const int first = 1 + (listenCount < 8 ? listenCount : 8);
        for (int i = n - 1; i >= first; --i) {
            if (!(fds[i].revents & (POLLIN | POLLHUP))) {
                continue;
            }
            IceConn ice = connections[i - first];
            if (IceProcessMessages(ice, NULL, NULL) == IceProcessMessagesIOError) {
                IceSetShutdownNegotiation(ice, False);
                IceCloseConnection(ice);
                for (int k = 0; k < connectionCount; ++k) {
                    if (connections[k] == ice) {
                        connections[k] = connections[--connectionCount];
                        break;
                    }
                }
                printf("connection-lost\n");
            }
        }
    }
}
