// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/rfc2217/Rfc2217Protocol.h"

#include <libtelnet.h>
#include <stddef.h> // libtelnet.h uses size_t without including it
#include <utility>

namespace {

// The Telnet option of RFC 2217, which libtelnet has no name for.
constexpr unsigned char ComPortOption = 44;

// Commands of the client; the server answers each with its code plus 100.
constexpr unsigned char SetBaudRate = 1;
constexpr unsigned char SetDataSize = 2;
constexpr unsigned char SetParity = 3;
constexpr unsigned char SetStopSize = 4;
constexpr unsigned char SetControl = 5;
constexpr unsigned char NotifyModemState = 7;
constexpr unsigned char SetModemStateMask = 11;
constexpr unsigned char ServerReply = 100;

// Asks for the flow control in use, which every server answers: not the
// request for the DTR state, which pyserial's server leaves unanswered.
constexpr unsigned char RequestFlowControl = 0;
constexpr unsigned char NoParity = 1;
constexpr unsigned char OneStopBit = 1;
constexpr unsigned char NoFlowControl = 1;
constexpr unsigned char BreakOn = 5;
constexpr unsigned char BreakOff = 6;
constexpr unsigned char DtrOn = 8;
constexpr unsigned char DtrOff = 9;
constexpr unsigned char RtsOn = 11;
constexpr unsigned char RtsOff = 12;
// Bits of the modem state the server reports.
constexpr unsigned char CarrierDetect = 0x80;
constexpr unsigned char RingIndicator = 0x40;
constexpr unsigned char DataSetReady = 0x20;
constexpr unsigned char ClearToSend = 0x10;
// CD, RI, DSR and CTS, and their "changed" flags: some servers report only
// what the mask lets through, and a state with every line off is all
// "changed" flags.
constexpr unsigned char AllModemLines = 0xFF;

constexpr unsigned BaudRate = 9600;

// In proxy mode libtelnet hands every negotiation over and answers none:
// its own bookkeeping would swallow a server's refusal of an option we ask
// for. So the answers are ours, and none ever repeats an answer to itself.
const telnet_telopt_t NoOptions[] = {{-1, 0, 0}};

} // namespace

Rfc2217Protocol::Rfc2217Protocol(Sender send, OutputLevels opening)
    : m_send(std::move(send)), m_opening(opening),
      m_telnet(telnet_init(NoOptions, &Rfc2217Protocol::onEvent, TELNET_FLAG_PROXY, this))
{}

Rfc2217Protocol::~Rfc2217Protocol()
{
    if (m_telnet)
        telnet_free(m_telnet);
}

void Rfc2217Protocol::start()
{
    if (m_telnet)
        telnet_negotiate(m_telnet, TELNET_WILL, ComPortOption);
    else
        m_broken = true;
}

void Rfc2217Protocol::receive(const char* bytes, std::size_t size)
{
    if (m_telnet && !m_broken)
        telnet_recv(m_telnet, bytes, size);
}

void Rfc2217Protocol::onEvent(telnet_t*, telnet_event_t* event, void* self)
{
    static_cast<Rfc2217Protocol*>(self)->handle(*event);
}

void Rfc2217Protocol::handle(const telnet_event_t& event)
{
    switch (event.type) {
    case TELNET_EV_SEND:
        m_send(event.data.buffer, event.data.size);
        break;
    case TELNET_EV_WILL:
    case TELNET_EV_DO:
    case TELNET_EV_DONT:
        negotiate(event.type, event.neg.telopt);
        break;
    case TELNET_EV_SUBNEGOTIATION:
        if (event.sub.telopt == ComPortOption && event.sub.size >= 1 &&
            static_cast<unsigned char>(event.sub.buffer[0]) >= ServerReply)
            ++m_answers;
        if (event.sub.telopt == ComPortOption && event.sub.size >= 2 &&
            static_cast<unsigned char>(event.sub.buffer[0]) == ServerReply + NotifyModemState)
            m_modemState = static_cast<unsigned char>(event.sub.buffer[1]);
        break;
    case TELNET_EV_ERROR:
        m_broken = true;
        break;
    default:
        // The data is nobody's, and warnings are only about the data.
        break;
    }
}

void Rfc2217Protocol::negotiate(int request, unsigned char option)
{
    if (option != ComPortOption) {
        // Every other option is refused, once per offer or request.
        if (request == TELNET_EV_WILL)
            telnet_negotiate(m_telnet, TELNET_DONT, option);
        else if (request == TELNET_EV_DO)
            telnet_negotiate(m_telnet, TELNET_WONT, option);
        return;
    }
    if (request == TELNET_EV_DONT) {
        m_option = Option::Refused;
        return;
    }
    // The server may confirm our side of the option, offer its own, or both;
    // either will do. Its offer is taken once.
    if (request == TELNET_EV_WILL && !m_offerTaken) {
        m_offerTaken = true;
        telnet_negotiate(m_telnet, TELNET_DO, ComPortOption);
    }
    if (m_option == Option::Asked)
        agree();
}

void Rfc2217Protocol::agree()
{
    m_option = Option::Agreed;
    const char baudRate[] = {char(SetBaudRate), char(BaudRate >> 24), char(BaudRate >> 16 & 0xFF),
                             char(BaudRate >> 8 & 0xFF), char(BaudRate & 0xFF)};
    telnet_subnegotiation(m_telnet, ComPortOption, baudRate, sizeof baudRate);
    command(SetDataSize, 8);
    command(SetParity, NoParity);
    command(SetStopSize, OneStopBit);
    command(SetControl, NoFlowControl);
    command(SetControl, m_opening.dataTerminalReady ? DtrOn : DtrOff);
    command(SetControl, m_opening.requestToSend ? RtsOn : RtsOff);
    command(SetModemStateMask, AllModemLines);
    // Servers report a state when it changes; this asks for the present one.
    const char poll[] = {char(NotifyModemState)};
    telnet_subnegotiation(m_telnet, ComPortOption, poll, sizeof poll);
}

void Rfc2217Protocol::command(unsigned char code, unsigned char value)
{
    const char bytes[] = {char(code), char(value)};
    telnet_subnegotiation(m_telnet, ComPortOption, bytes, sizeof bytes);
}

bool Rfc2217Protocol::setDataTerminalReady(bool asserted)
{
    return control(asserted ? DtrOn : DtrOff);
}

bool Rfc2217Protocol::askForAnswer()
{
    return control(RequestFlowControl);
}

bool Rfc2217Protocol::setRequestToSend(bool asserted)
{
    return control(asserted ? RtsOn : RtsOff);
}

bool Rfc2217Protocol::setBreak(bool on)
{
    return control(on ? BreakOn : BreakOff);
}

bool Rfc2217Protocol::control(unsigned char value)
{
    if (m_option != Option::Agreed)
        return false;
    command(SetControl, value);
    return true;
}

std::optional<bool> Rfc2217Protocol::carrierDetect() const
{
    return modemLine(CarrierDetect);
}

std::optional<bool> Rfc2217Protocol::dataSetReady() const
{
    return modemLine(DataSetReady);
}

std::optional<bool> Rfc2217Protocol::clearToSend() const
{
    return modemLine(ClearToSend);
}

std::optional<bool> Rfc2217Protocol::ringIndicator() const
{
    return modemLine(RingIndicator);
}

std::optional<bool> Rfc2217Protocol::modemLine(unsigned char bit) const
{
    if (!m_modemState)
        return std::nullopt;
    return (*m_modemState & bit) != 0;
}
