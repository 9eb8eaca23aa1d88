#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What the rules ask of the network. Every call returns at once; what comes
// of it arrives later as an event through frmMorvakMalli::Tapahtuu.
class Verkko {
  public:
    virtual ~Verkko() = default;
    // Waits for an opponent: listens on TCP 47620 and answers searches on
    // UDP 47620 with this player's name. False when the ports cannot open.
    // The first to connect is the opponent; anyone after it is told the game
    // is taken until this is called again. Called while listening, it lets
    // the connection go and waits for the next, the port held open all along.
    virtual bool Kuuntele(const std::string& nimi) = 0;
    // Connects to an address or a name typed by hand (IPv4, IPv6 or a host
    // name) or to one found.
    virtual void Yhdista(const std::string& osoite) = 0;
    // The number the next connection, accepted or made, will carry; those
    // before it have lower numbers.
    virtual int SeuraavaYhteys() const = 0;
    // Asks the network which games wait; the answers come as events.
    virtual void Hae() = 0;
    // One line to the opponent, without its newline. A line given while no
    // connection is made goes nowhere: it was written for none.
    virtual void Laheta(const std::string& rivi) = 0;
    // Closes the connection and stops listening and searching, after the
    // lines already given have gone as far as the socket takes them.
    virtual void Sulje() = 0;
    // This computer's addresses a friend can type, for the dialog.
    virtual std::vector<std::string> OmatOsoitteet() const = 0;
    // The face saw the socket ready: the transport reads, writes or accepts
    // and hands what came of it to the rules as events.
    virtual void SokettiValmis(std::intptr_t kahva) = 0;
};
