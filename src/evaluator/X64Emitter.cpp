#include "evaluator/X64Emitter.h"

namespace x64 {
namespace {

struct Encoding {
  std::uint8_t prefix;
  std::uint8_t opcode;
};

Encoding encoding(Op op) {
  switch (op) {
    case Op::MovsdLoad: return {0xF2, 0x10};
    case Op::MovsdStore: return {0xF2, 0x11};
    case Op::Add: return {0xF2, 0x58};
    case Op::Mul: return {0xF2, 0x59};
    case Op::Sub: return {0xF2, 0x5C};
    case Op::Div: return {0xF2, 0x5E};
    case Op::Sqrt: return {0xF2, 0x51};
    case Op::Movapd: return {0x66, 0x28};
    case Op::And: return {0x66, 0x54};
    case Op::Xor: return {0x66, 0x57};
    case Op::Unpcklpd: return {0x66, 0x14};
    case Op::Ucomisd: return {0x66, 0x2E};
    case Op::MovupdStore: return {0x66, 0x11};
  }
  return {0x66, 0x28};
}

bool fitsInt8(std::int64_t v) { return v >= -128 && v <= 127; }

}  // namespace

// The mandatory prefix goes before REX, REX right before the 0F escape.
void Emitter::prefixAndOpcode(Op op, int reg, int rmReg) {
  const Encoding e = encoding(op);
  byte(e.prefix);
  const int rex = ((reg >> 3) << 2) | (rmReg >> 3);
  if (rex) byte(static_cast<std::uint8_t>(0x40 | rex));
  byte(0x0F);
  byte(e.opcode);
}

void Emitter::op(Op op, int xmm, int otherXmm) {
  prefixAndOpcode(op, xmm, otherXmm);
  byte(static_cast<std::uint8_t>(0xC0 | ((xmm & 7) << 3) | (otherXmm & 7)));
}

void Emitter::op(Op op, int xmm, const Mem& mem) {
  prefixAndOpcode(op, xmm, mem.ripRelative ? 0 : mem.base);
  modrmMemory(xmm, mem);
}

void Emitter::modrmMemory(int reg, const Mem& mem) {
  const auto regBits = static_cast<std::uint8_t>((reg & 7) << 3);
  if (mem.ripRelative) {
    byte(static_cast<std::uint8_t>(0x05 | regBits));
    const std::size_t next = size() + 4;
    emit32(static_cast<std::uint32_t>(static_cast<std::int64_t>(mem.ripTarget) - static_cast<std::int64_t>(next)));
    return;
  }
  const bool shortDisp = fitsInt8(mem.disp);
  byte(static_cast<std::uint8_t>((shortDisp ? 0x40 : 0x80) | regBits | (mem.base & 7)));
  if ((mem.base & 7) == rsp) byte(0x24);  // rsp and r12 as a base need a SIB byte
  if (shortDisp) byte(static_cast<std::uint8_t>(mem.disp));
  else emit32(static_cast<std::uint32_t>(mem.disp));
}

void Emitter::endbr64() {
  for (std::uint8_t b : {0xF3, 0x0F, 0x1E, 0xFA}) byte(b);
}

void Emitter::movImm64(Gpr reg, std::uint64_t value) {
  byte(static_cast<std::uint8_t>(0x48 | (reg >> 3)));
  byte(static_cast<std::uint8_t>(0xB8 | (reg & 7)));
  emit64(value);
}

void Emitter::movEaxImm(std::uint32_t value) {
  byte(0xB8);
  emit32(value);
}

void Emitter::xorEaxEax() {
  byte(0x31);
  byte(0xC0);
}

void Emitter::push(Gpr reg) {
  if (reg >= 8) byte(0x41);
  byte(static_cast<std::uint8_t>(0x50 | (reg & 7)));
}

void Emitter::pop(Gpr reg) {
  if (reg >= 8) byte(0x41);
  byte(static_cast<std::uint8_t>(0x58 | (reg & 7)));
}

void Emitter::adjustRsp(std::int8_t delta) {
  byte(0x48);
  byte(0x83);
  byte(0xC4);
  byte(static_cast<std::uint8_t>(delta));
}

void Emitter::callRax() {
  byte(0xFF);
  byte(0xD0);
}

void Emitter::ret() { byte(0xC3); }

std::size_t Emitter::jumpIfUnordered() {
  byte(0x0F);
  byte(0x8A);
  const std::size_t at = size();
  emit32(0);
  return at;
}

std::size_t Emitter::jump() {
  byte(0xE9);
  const std::size_t at = size();
  emit32(0);
  return at;
}

void Emitter::patch(std::size_t displacementAt, std::size_t target) {
  const auto rel = static_cast<std::uint32_t>(static_cast<std::int64_t>(target) -
                                              static_cast<std::int64_t>(displacementAt + 4));
  for (int i = 0; i < 4; ++i) m_bytes[displacementAt + i] = static_cast<std::uint8_t>(rel >> (8 * i));
}

void Emitter::alignTo(std::size_t boundary) {
  while (size() % boundary != 0) byte(0xCC);
}

void Emitter::emit32(std::uint32_t value) {
  for (int i = 0; i < 4; ++i) byte(static_cast<std::uint8_t>(value >> (8 * i)));
}

void Emitter::emit64(std::uint64_t value) {
  for (int i = 0; i < 8; ++i) byte(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace x64
