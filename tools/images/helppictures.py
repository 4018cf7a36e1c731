"""The pictures of the two help documents on the processor's control codes (English and Simplified
Chinese): the links, the frame, a worked check byte, the channel numbers, three command tables,
the PEQ band data, the value scales and the sine frequencies. All are 630 pixels wide, the width
of the documents, on the viewers' white background."""

import math

from glyphs import draw_text, draw_text_centred, line_height, text_width
from raster import WHITE, Picture, mix

WIDTH = 630
INK = (24, 32, 48)
FAINT = (96, 106, 124)
RULE = (150, 162, 182)
HEAD = (44, 82, 140)
STRIPE = (236, 242, 250)
ENVELOPE = (214, 226, 246)  # 10 02 ... 10 03
ADDRESS = (226, 240, 218)   # SRC, DST, LEN, CMD
PAYLOAD = (252, 240, 214)   # data bytes
CHECK = (250, 218, 214)     # CHK
ROW = 16                    # table row height

# ---- Texts ----------------------------------------------------------------------------------------------
# Per language: what each picture says. Codes, byte values and units are the same in both.
TEXTS = {
    "en": {
        "links": [("RS-232", "115200 baud, 8 data bits,", "no parity, 1 stop bit"),
                  ("USB (HID)", "vendor 0168, product 0821;", "report ID 0, then the frame"),
                  ("Network (TCP)", "port 9761 of the processor;", "default address 192.168.1.101")],
        "frame_data": "DATA (LEN - 1 bytes)",
        "frame_notes": ["SRC  00 from the editor, the processor's ID in its answers     DST  processor ID 1..250",
                        "LEN  number of data bytes + 1     CHK  XOR of every byte before it"],
        "example": "Keep-alive (18) to device 1:",
        "channels": ["In A", "In B", "Out 1", "Out 2", "Out 3", "Out 4"],
        "columns": ("Code", "Name", "Data sent / answer"),
        "session": [("01", "ACK", "answer: request accepted"),
                    ("16", "Handshake", "answer 16"),
                    ("17", "Disconnect", "to address 255"),
                    ("18", "Keep-alive", "answer 01"),
                    ("19", "Identity", "answer: identity text"),
                    ("20", "Current preset", "answer: preset number"),
                    ("44", "Lock status", "answer: byte 5 = lock on"),
                    ("45", "Password", "0, 4 chars; answer 0, 1/0"),
                    ("47", "Lock password", "4 characters"),
                    ("64", "Levels", "answer: 6 x 3 bytes, flags")],
        "presets": [("32", "Recall preset", "preset 0..31"),
                    ("33", "Store preset", "preset 1..31"),
                    ("34", "Preset flags", "answer: 31 bytes, FF = used"),
                    ("35", "Factory reset", "answer 01"),
                    ("36", "Select preset", "preset 1..31"),
                    ("37", "Write block", "block, slot, data"),
                    ("38", "Preset name", "14 characters"),
                    ("39", "Read program", "block 0..10; answer 36"),
                    ("40", "Read preset", "block 0..10; answer 40"),
                    ("41", "Read name", "slot 0..30; answer: 14 chars"),
                    ("25", "Read EEPROM", "address lo, hi, count"),
                    ("26", "Write EEPROM", "address lo, hi, count, data"),
                    ("04", "Restart", "after a unit is written")],
        "settings": [("48", "Compressor", "ch, ratio, attack, release, thr."),
                     ("49", "Low-pass", "ch, frequency lo, hi, slope"),
                     ("50", "High-pass", "ch, frequency lo, hi, slope"),
                     ("51", "PEQ band", "ch, band, ... (picture 8)"),
                     ("52", "Gain", "ch, value lo, hi (0..400)"),
                     ("53", "Mute", "ch, 1 on / 0 off"),
                     ("54", "Polarity", "ch, 1 inverted / 0 normal"),
                     ("56", "Delay", "ch, samples lo, hi (48/ms)"),
                     ("21", "Delay unit", "0 ms, 1 m, 2 ft"),
                     ("57", "Test signal", "mode, sine index (picture 10)"),
                     ("58", "Routing", "output ch, 1 In A + 2 In B"),
                     ("59", "Link", "ch, link mask"),
                     ("60", "EQ bypass", "ch, 1 bypassed / 0 active"),
                     ("61", "Channel name", "ch, 8 characters"),
                     ("42", "Copy channel", "source ch, destination ch")],
        "peq": ["ch", "band", "gain lo", "gain hi", "freq lo", "freq hi", "Q", "type", "bypass"],
        "peq_notes": ["band 0..7 (inputs), 0..8 (outputs)     gain 0..240, 120 = 0 dB, 0.1 dB steps",
                      "frequency index 0..300     Q index 0..100 (Q 0.4 .. 128)     bypass 1 = band off"],
        "frequency": "Frequency index i:  1000 x 2^((i - 170) / 30) Hz",
        "gain": "Gain index g:  (g - 120) x 0.1 dB",
        "sine": ("Index", "Sine"),
    },
    "zh": {
        "links": [("RS-232 串口", "115200 波特, 8 位数据,", "无校验, 1 位停止位"),
                  ("USB (HID)", "厂商 0168, 产品 0821;", "报告 ID 0, 后接数据帧"),
                  ("网络 (TCP)", "处理器的 9761 端口;", "默认地址 192.168.1.101")],
        "frame_data": "DATA (LEN - 1 个字节)",
        "frame_notes": ["SRC  编辑器发出时为 00, 处理器应答时为其 ID     DST  处理器 ID 1..250",
                        "LEN  数据字节数 + 1     CHK  之前所有字节的异或值"],
        "example": "保持连接 (18), 发往设备 1:",
        "channels": ["输入 A", "输入 B", "输出 1", "输出 2", "输出 3", "输出 4"],
        "columns": ("代码", "名称", "发送数据 / 应答"),
        "session": [("01", "确认", "应答: 命令已接受"),
                    ("16", "握手", "应答 16"),
                    ("17", "断开", "发往地址 255"),
                    ("18", "保持连接", "应答 01"),
                    ("19", "型号", "应答: 型号文字"),
                    ("20", "当前预设", "应答: 预设编号"),
                    ("44", "锁定状态", "应答: 字节 5 = 已锁定"),
                    ("45", "解锁密码", "0, 4 个字符; 应答 0, 1/0"),
                    ("47", "设定锁密码", "4 个字符"),
                    ("64", "电平", "应答: 6 x 3 字节, 标志")],
        "presets": [("32", "调用预设", "预设 0..31"),
                    ("33", "保存预设", "预设 1..31"),
                    ("34", "预设标志", "应答: 31 字节, FF = 已存"),
                    ("35", "出厂设置", "应答 01"),
                    ("36", "选择预设", "预设 1..31"),
                    ("37", "写入区块", "区块, 位置, 数据"),
                    ("38", "预设名称", "14 个字符"),
                    ("39", "读取程序", "区块 0..10; 应答 36"),
                    ("40", "读取预设", "区块 0..10; 应答 40"),
                    ("41", "读取名称", "位置 0..30; 应答: 14 个字符"),
                    ("25", "读 EEPROM", "地址低, 高, 字节数"),
                    ("26", "写 EEPROM", "地址低, 高, 字节数, 数据"),
                    ("04", "重新启动", "整机数据写入之后")],
        "settings": [("48", "压限器", "通道, 比率, 启动, 释放, 门限"),
                     ("49", "低通", "通道, 频率低, 高, 斜率"),
                     ("50", "高通", "通道, 频率低, 高, 斜率"),
                     ("51", "参量均衡", "通道, 段, ... (图 8)"),
                     ("52", "增益", "通道, 数值低, 高 (0..400)"),
                     ("53", "静音", "通道, 1 静音 / 0 取消"),
                     ("54", "相位", "通道, 1 反相 / 0 正相"),
                     ("56", "延时", "通道, 采样数低, 高 (48/ms)"),
                     ("21", "延时单位", "0 ms, 1 m, 2 ft"),
                     ("57", "测试讯号", "模式, 正弦频率序号 (图 10)"),
                     ("58", "路由", "输出通道, 1 输入A + 2 输入B"),
                     ("59", "链结", "通道, 链结掩码"),
                     ("60", "均衡旁通", "通道, 1 旁通 / 0 启用"),
                     ("61", "通道名称", "通道, 8 个字符"),
                     ("42", "通道复制", "源通道, 目标通道")],
        "peq": ["通道", "段", "增益低", "增益高", "频率低", "频率高", "Q", "类型", "旁通"],
        "peq_notes": ["段 0..7 (输入), 0..8 (输出)     增益 0..240, 120 = 0 dB, 每步 0.1 dB",
                      "频率序号 0..300     Q 序号 0..100 (Q 0.4 .. 128)     旁通 1 = 关闭该段"],
        "frequency": "频率序号 i:  1000 x 2^((i - 170) / 30) Hz",
        "gain": "增益序号 g:  (g - 120) x 0.1 dB",
        "sine": ("序号", "频率"),
    },
}

SINE_FREQUENCIES = ["20Hz", "25Hz", "31.5Hz", "40Hz", "50Hz", "63Hz", "80Hz", "100Hz", "125Hz", "160Hz", "200Hz",
                    "250Hz", "315Hz", "400Hz", "500Hz", "630Hz", "800Hz", "1KHz", "1.25KHz", "1.6KHz", "2KHz",
                    "2.5KHz", "3.15KHz", "4KHz", "5KHz", "6.3KHz", "8KHz", "10KHz", "12.5KHz", "16KHz", "20KHz"]


# ---- Drawing helpers ------------------------------------------------------------------------------------
def cell(p, left, top, right, bottom, fill, frame=RULE):
    p.fill(left, top, right, bottom, fill)
    p.frame(left, top, right, bottom, frame)


def text_top(top, bottom, face="sans"):
    """The top of a line of text centred between top and bottom."""
    return top + (bottom - top - line_height(face)) // 2


def byte_boxes(p, left, top, height, boxes):
    """A row of boxes, each (width, text, fill, face), sharing their borders; returns the edges."""
    edges = [left]
    x = left
    for width, text, fill, face in boxes:
        cell(p, x, top, x + width + 1, top + height, fill)
        draw_text_centred(p, x, x + width, text_top(top, top + height, face), text, INK, face)
        x += width
        edges.append(x)
    return edges


def cell_text(p, left, right, top, text, colour, face="sans"):
    """A table cell's text, 4 pixels in from its left; text wider than the cell is an error."""
    if text_width(text, face) > right - left - 6:
        raise ValueError(f"'{text}' does not fit into {right - left} pixels")
    draw_text(p, left + 4, top, text, colour, face)


def table(p, left, top, widths, header, rows):
    """A table with a header row and striped rows of (code, name, data)."""
    x = left
    for width, title in zip(widths, header):
        cell(p, x, top, x + width + 1, top + ROW + 1, HEAD, HEAD)
        cell_text(p, x, x + width, text_top(top, top + ROW), title, WHITE, "bold")
        x += width
    for index, row in enumerate(rows):
        y = top + ROW * (index + 1)
        x = left
        for column, (width, text) in enumerate(zip(widths, row)):
            cell(p, x, y, x + width + 1, y + ROW + 1, STRIPE if index % 2 else WHITE)
            cell_text(p, x, x + width, text_top(y, y + ROW), text, INK, "mono" if column == 0 else "sans")
            x += width


def command_table(texts, key):
    """The rows of a command table in two tables side by side."""
    rows = texts[key]
    half = (len(rows) + 1) // 2
    widths = (40, 98, 176)
    p = Picture(WIDTH, ROW * (half + 1) + 1, WHITE)
    table(p, 0, 0, widths, texts["columns"], rows[:half])
    table(p, WIDTH - sum(widths) - 1, 0, widths, texts["columns"], rows[half:])
    return p


# ---- The ten pictures -----------------------------------------------------------------------------------
def links(texts):
    """The three links and how the frames travel on each."""
    p = Picture(WIDTH, 62, WHITE)
    width = 206
    for index, (title, first, second) in enumerate(texts["links"]):
        left = index * (width + 6)
        cell(p, left, 0, left + width, 61, STRIPE)
        cell(p, left, 0, left + width, ROW + 1, HEAD, HEAD)
        draw_text_centred(p, left, left + width, text_top(0, ROW), title, WHITE, "bold")
        draw_text(p, left + 8, 22, first, INK)
        draw_text(p, left + 8, 40, second, INK)
    return p


def frame_layout(texts):
    """The bytes of a frame with their offsets and what they hold."""
    p = Picture(WIDTH, 90, WHITE)
    boxes = [(52, "10", ENVELOPE, "mono"), (52, "02", ENVELOPE, "mono"), (52, "SRC", ADDRESS, "bold"),
             (52, "DST", ADDRESS, "bold"), (52, "LEN", ADDRESS, "bold"), (52, "CMD", ADDRESS, "bold"),
             (138, texts["frame_data"], PAYLOAD, "sans"), (52, "10", ENVELOPE, "mono"),
             (52, "03", ENVELOPE, "mono"), (52, "CHK", CHECK, "bold")]
    left = (WIDTH - sum(b[0] for b in boxes) - 1) // 2
    edges = byte_boxes(p, left, 18, 26, boxes)
    offsets = ["0", "1", "2", "3", "4", "5", "6", "5+LEN", "6+LEN", "7+LEN"]
    for index, offset in enumerate(offsets):
        draw_text_centred(p, edges[index], edges[index + 1], 1, offset, FAINT, "mono")
    for index, note in enumerate(texts["frame_notes"]):
        draw_text(p, left, 52 + index * 19, note, INK)
    return p


def checksum_example(texts):
    """The keep-alive request to device 1 and how its check byte comes about."""
    p = Picture(WIDTH, 52, WHITE)
    frame = ["10", "02", "00", "01", "01", "12", "10", "03"]
    fills = [ENVELOPE, ENVELOPE, ADDRESS, ADDRESS, ADDRESS, ADDRESS, ENVELOPE, ENVELOPE]
    label_width = text_width(texts["example"]) + 12
    draw_text(p, 0, text_top(0, 24), texts["example"], INK)
    boxes = [(34, byte, fill, "mono") for byte, fill in zip(frame, fills)] + [(34, "13", CHECK, "mono")]
    byte_boxes(p, label_width, 0, 24, boxes)
    chain = " xor ".join(frame) + " = 13"
    draw_text(p, label_width, 31, chain, INK, "mono")
    return p


def channel_numbers(texts):
    """The channel bytes 0 to 5."""
    p = Picture(WIDTH, 42, WHITE)
    width = 104
    left = (WIDTH - 6 * width - 1) // 2
    for index, name in enumerate(texts["channels"]):
        x = left + index * width
        fill = ENVELOPE if index < 2 else ADDRESS
        cell(p, x, 0, x + width + 1, 20, fill)
        cell(p, x, 19, x + width + 1, 41, WHITE)
        draw_text_centred(p, x, x + width, text_top(0, 20, "bold"), str(index), INK, "bold")
        draw_text_centred(p, x, x + width, text_top(19, 41), name, INK)
    return p


def peq_data(texts):
    """The nine data bytes of a PEQ band command."""
    p = Picture(WIDTH, 68, WHITE)
    fills = [ADDRESS, ADDRESS, PAYLOAD, PAYLOAD, ENVELOPE, ENVELOPE, CHECK, CHECK, ADDRESS]
    boxes = [(68, name, fill, "sans") for name, fill in zip(texts["peq"], fills)]
    left = (WIDTH - sum(b[0] for b in boxes) - 1) // 2
    byte_boxes(p, left, 0, 24, boxes)
    for index, note in enumerate(texts["peq_notes"]):
        draw_text(p, left, 30 + index * 19, note, INK)
    return p


def scale(p, top, left, right, first, last, ticks, caption):
    """An axis from `first` to `last` with labelled ticks (value, label) and a caption above."""
    draw_text(p, 0, top, caption, INK)
    y = top + 21
    p.fill(left, y, right + 1, y + 2, HEAD)
    for value, label in ticks:
        x = left + round((value - first) * (right - left) / (last - first))
        p.fill(x, y - 3, x + 1, y + 5, HEAD)
        draw_text_centred(p, x - 40, x + 40, y + 5, str(value), FAINT, "mono")
        draw_text_centred(p, x - 50, x + 50, y + 19, label, INK)


def value_scales(texts):
    """The frequency index grid and the PEQ gain index against what they stand for."""
    p = Picture(WIDTH, 108, WHITE)

    def hz(index):
        f = 1000 * 2 ** ((index - 170) / 30)
        return f"{f / 1000:.2f}kHz" if f >= 1000 else f"{f:.1f}Hz"

    frequency_ticks = [(i, hz(i)) for i in (0, 50, 100, 140, 170, 200, 240, 300)]
    scale(p, 0, 40, 590, 0, 300, frequency_ticks, texts["frequency"])
    gain_ticks = [(g, f"{(g - 120) / 10:+.0f} dB" if g != 120 else "0 dB") for g in (0, 60, 120, 180, 240)]
    scale(p, 56, 40, 590, 0, 240, gain_ticks, texts["gain"])
    return p


def sine_frequencies(texts):
    """The 31 sine frequencies of the test signal and their index."""
    per_row = 11
    width = 52
    label = WIDTH - per_row * width - 1
    blocks = math.ceil(len(SINE_FREQUENCIES) / per_row)
    p = Picture(WIDTH, blocks * (2 * ROW + 6), WHITE)
    for block in range(blocks):
        top = block * (2 * ROW + 6)
        cell(p, 0, top, label + 1, top + ROW + 1, HEAD, HEAD)
        cell(p, 0, top + ROW, label + 1, top + 2 * ROW + 1, HEAD, HEAD)
        draw_text(p, 6, text_top(top, top + ROW), texts["sine"][0], WHITE, "bold")
        draw_text(p, 6, text_top(top + ROW, top + 2 * ROW), texts["sine"][1], WHITE, "bold")
        for column in range(per_row):
            index = block * per_row + column
            if index >= len(SINE_FREQUENCIES):
                break
            x = label + column * width
            cell(p, x, top, x + width + 1, top + ROW + 1, STRIPE)
            cell(p, x, top + ROW, x + width + 1, top + 2 * ROW + 1, WHITE)
            draw_text_centred(p, x, x + width, text_top(top, top + ROW), str(index), INK, "mono")
            draw_text_centred(p, x, x + width, text_top(top + ROW, top + 2 * ROW), SINE_FREQUENCIES[index], INK)
    return p


PICTURES = [
    ("01_links", links),
    ("02_frame", frame_layout),
    ("03_check_byte", checksum_example),
    ("04_channels", channel_numbers),
    ("05_session", lambda texts: command_table(texts, "session")),
    ("06_presets", lambda texts: command_table(texts, "presets")),
    ("07_settings", lambda texts: command_table(texts, "settings")),
    ("08_peq_band", peq_data),
    ("09_scales", value_scales),
    ("10_sine", sine_frequencies),
]


def help_pictures():
    """The rows of the images tool: help/<language>/<picture>.png."""
    return [(f"help/{language}/{name}.png", lambda draw=draw, texts=texts: draw(texts))
            for language, texts in TEXTS.items() for name, draw in PICTURES]


def characters():
    """Every character the pictures' texts use (for the glyph table)."""
    found = set(" ".join(SINE_FREQUENCIES))

    def collect(value):
        if isinstance(value, str):
            found.update(value)
        elif isinstance(value, (list, tuple)):
            for item in value:
                collect(item)
        elif isinstance(value, dict):
            for item in value.values():
                collect(item)

    collect(TEXTS)
    return "".join(sorted(found))
