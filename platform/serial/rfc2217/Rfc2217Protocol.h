// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/serial/OutputLine.h"

#include <cstddef>
#include <functional>
#include <optional>

struct telnet_t;
union telnet_event_t;

// The client's side of a port server's Telnet stream (RFC 2217, the
// COM-PORT-OPTION): it asks for the option, sets the line up once the server
// agrees, with the outputs as the caller chose them, and keeps the last modem
// state the server reported. Bytes come in
// through receive() and go out through the sender; it holds no connection of
// its own. The server's data is thrown away, and what it buffers of a
// subnegotiation is bounded by the Telnet library.
class Rfc2217Protocol
{
public:
    using Sender = std::function<void(const char* bytes, std::size_t size)>;

    enum class Option
    {
        Asked,   // not yet answered
        Agreed,  // the server controls the port for us
        Refused, // the server will not, or no longer
    };

    explicit Rfc2217Protocol(Sender send, OutputLevels opening = {});
    ~Rfc2217Protocol();
    Rfc2217Protocol(const Rfc2217Protocol&) = delete;
    Rfc2217Protocol& operator=(const Rfc2217Protocol&) = delete;

    // Asks the server for the option.
    void start();
    void receive(const char* bytes, std::size_t size);

    Option option() const { return m_option; }
    // The stream made no sense to the Telnet library, which gave up on it.
    bool broken() const { return m_broken; }

    // False while the option is not agreed.
    bool setDataTerminalReady(bool asserted);
    bool setRequestToSend(bool asserted);
    bool setBreak(bool on);
    // Sends a request the server must answer, to find out that it still
    // does; false while the option is not agreed.
    bool askForAnswer();
    // How many answers and reports of the option the server has sent.
    unsigned answers() const { return m_answers; }

    bool modemStateKnown() const { return m_modemState.has_value(); }
    // nullopt until the server first reports its modem state.
    std::optional<bool> carrierDetect() const;
    std::optional<bool> dataSetReady() const;
    std::optional<bool> clearToSend() const;
    std::optional<bool> ringIndicator() const;

private:
    static void onEvent(telnet_t* telnet, telnet_event_t* event, void* self);
    void handle(const telnet_event_t& event);
    void negotiate(int request, unsigned char option);
    void agree();
    void command(unsigned char code, unsigned char value);
    // A SET-CONTROL command; false while the option is not agreed.
    bool control(unsigned char value);
    std::optional<bool> modemLine(unsigned char bit) const;

    Sender m_send;
    OutputLevels m_opening;
    telnet_t* m_telnet = nullptr;
    Option m_option = Option::Asked;
    bool m_offerTaken = false;
    bool m_broken = false;
    unsigned m_answers = 0;
    std::optional<unsigned char> m_modemState;
};
