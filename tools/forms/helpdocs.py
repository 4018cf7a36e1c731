"""The two documents on the processor's control codes that the viewers show, English and
Simplified Chinese, as rich text. Each is a list of paragraphs; ("picture", n) leaves a gap for
picture n (resources/images/help/<language>/, drawn by tools/images/helppictures.py) as space
before the next paragraph. The documents are laid out without wrapping in 630 pixels, so every
line is broken by hand; the dialogs' tests check that each line fits."""

PICTURE_MARGIN = 6  # pixels of blank space above and below each picture
TWIPS_PER_PIXEL = 15  # at 96 DPI

ENGLISH = [
    ("title", ["TROV316 Control Codes"]),
    ("sub", ["The protocol of the RS-232, USB and network links of the TROV316 processor"]),
    ("p", ["The editor and the processor talk in frames of bytes. A frame is the same on every link; picture 1 shows",
           "how each link carries it. Any program that follows these rules can control the processor."]),
    ("picture", 1),
    ("h", ["1. Frame format"]),
    ("p", ["A frame begins with 10 02 and ends with 10 03 and a check byte (picture 2). Bytes are written in",
           "hexadecimal. LEN counts the data bytes and the command byte. Nothing is escaped: a 10 inside the data",
           "is sent as it is, and a receiver finds the end of a frame from LEN alone."]),
    ("picture", 2),
    ("p", ["The check byte is the exclusive OR of every byte before it. The processor does not test it, but a",
           "program should always send it right. The keep-alive request to device 1, for example:"]),
    ("picture", 3),
    ("h", ["2. Channels and values"]),
    ("p", ["A channel byte names one of the six channels (picture 4). Values of two bytes are sent low byte first."]),
    ("picture", 4),
    ("h", ["3. Session and status"]),
    ("p", ["When a link opens, send 16 and wait for its answer, then read the identity (19): it begins with",
           "\"VELMTROV316 V011\". Send 18 whenever nothing was sent for two seconds, so that the link stays up.",
           "A request without an answer within its time-out may be sent again."]),
    ("picture", 5),
    ("h", ["4. Presets and memory"]),
    ("p", ["The processor keeps the factory preset 0 and 31 user presets. A program is read in 11 blocks",
           "(0 to 10); a preset name has 14 characters, filled up with blanks."]),
    ("picture", 6),
    ("h", ["5. Channel settings"]),
    ("p", ["A setting command names its channel first; the processor answers it with 01. The compressor's",
           "ratio, attack, release and threshold take two bytes each."]),
    ("picture", 7),
    ("p", ["A PEQ band takes nine data bytes (picture 8). Band types: 0 peak, 1 low shelf, 2 high shelf,",
           "3 low pass, 4 high pass, 5 first-order all-pass, 6 second-order all-pass."]),
    ("picture", 8),
    ("h", ["6. Value scales"]),
    ("p", ["Frequencies are indexes on a grid of 30 steps per octave, with index 170 at 1 kHz; gains are",
           "steps of 0.1 dB around index 120 (picture 9)."]),
    ("picture", 9),
    ("h", ["7. Test signal"]),
    ("p", ["Command 57 chooses what feeds the inputs: 0 the analogue inputs, 1 pink noise, 2 white noise,",
           "3 a sine. Its second byte is the sine frequency (picture 10); it goes with every mode."]),
]

CHINESE = [
    ("title", ["TROV316 控制代码"]),
    ("sub", ["TROV316 处理器 RS-232、USB 与网络连接的通讯协议"]),
    ("p", ["编辑器与处理器之间以字节组成的数据帧通讯。各种连接上的数据帧完全相同，",
           "图 1 说明每种连接如何传送数据帧。任何遵守以下规则的程序都可以控制处理器。"]),
    ("picture", 1),
    ("h", ["1. 数据帧格式"]),
    ("p", ["数据帧以 10 02 开始，以 10 03 和一个校验字节结束（图 2）。字节均以十六进制表示。",
           "LEN 为数据字节数加上命令字节。数据不做转义：数据中的 10 照原样发送，",
           "接收方只依据 LEN 判断数据帧的结尾。"]),
    ("picture", 2),
    ("p", ["校验字节是它之前所有字节的异或值。处理器不检查校验字节，但程序应始终正确发送。",
           "例如发往设备 1 的保持连接请求："]),
    ("picture", 3),
    ("h", ["2. 通道与数值"]),
    ("p", ["通道字节表示六个通道之一（图 4）。两个字节的数值先发送低字节。"]),
    ("picture", 4),
    ("h", ["3. 连接与状态"]),
    ("p", ["连接建立后先发送 16 并等待应答，再读取型号（19）：其开头为 \"VELMTROV316 V011\"。",
           "两秒内没有发送任何命令时，发送 18 以保持连接。在等待时间内没有应答的请求可以重新发送。"]),
    ("picture", 5),
    ("h", ["4. 预设与存储"]),
    ("p", ["处理器保存出厂预设 0 与 31 个用户预设。一个程序分 11 个区块（0 至 10）读取；",
           "预设名称为 14 个字符，不足时以空格补足。"]),
    ("picture", 6),
    ("h", ["5. 通道设定"]),
    ("p", ["设定命令先给出通道，处理器以 01 应答。压限器的比率、启动时间、释放时间和门限各占两个字节。"]),
    ("picture", 7),
    ("p", ["参量均衡的一段需要九个数据字节（图 8）。段类型：0 峰值，1 低架，2 高架，3 低通，",
           "4 高通，5 一阶全通，6 二阶全通。"]),
    ("picture", 8),
    ("h", ["6. 数值换算"]),
    ("p", ["频率以每倍频程 30 步的序号表示，序号 170 为 1 kHz；增益以 0.1 dB 为一步，",
           "序号 120 为 0 dB（图 9）。"]),
    ("picture", 9),
    ("h", ["7. 测试讯号"]),
    ("p", ["命令 57 选择输入讯号：0 模拟输入，1 粉红噪声，2 白噪声，3 正弦波。",
           "第二个字节为正弦波频率（图 10），每种模式都会发送。"]),
]

# Per language: the paragraphs, the code page and font of the rich text.
DOCUMENTS = {
    "en": (ENGLISH, 1252, r"{\f0\fswiss\fcharset0 Arial;}", "cp1252"),
    "zh": (CHINESE, 936, r"{\f0\fnil\fcharset134 SimSun;}", "gbk"),
}

# Paragraph formats: colour (1 blue, 2 ink, 3 grey), bold, size in half points, space after.
FORMATS = {"title": (1, True, 28, 40), "sub": (3, False, 18, 100), "h": (1, True, 20, 40), "p": (2, False, 18, 0)}
HEADING_SPACE = 120  # twips before a heading that follows text


def escape(text, encoding):
    """Rich text for the line: RTF specials escaped, other than ASCII as \\'hh bytes of the code page."""
    out = []
    for ch in text:
        if ch in "\\{}":
            out.append("\\" + ch)
        elif ord(ch) < 0x80:
            out.append(ch)
        else:
            out.extend(f"\\'{b:02x}" for b in ch.encode(encoding))
    return "".join(out)


def rtf(language, picture_heights):
    """The document as rich text; picture_heights[n] is the height of picture n in pixels."""
    paragraphs, code_page, font, encoding = DOCUMENTS[language]
    out = [rf"{{\rtf1\ansi\ansicpg{code_page}\deff0", rf"{{\fonttbl{font}}}",
           r"{\colortbl;\red44\green82\blue140;\red24\green32\blue48;\red96\green106\blue124;}"]
    gap = 0
    for kind, content in paragraphs:
        if kind == "picture":
            gap = (picture_heights[content] + 2 * PICTURE_MARGIN) * TWIPS_PER_PIXEL
            continue
        colour, bold, size, after = FORMATS[kind]
        before = gap or (HEADING_SPACE if kind == "h" else 0)
        gap = 0
        head = r"\pard" + (rf"\sb{before}" if before else "") + (rf"\sa{after}" if after else "")
        head += rf"\cf{colour}" + (r"\b" if bold else r"\b0") + rf"\f0\fs{size} "
        out.append(head + "\\line\n".join(escape(line, encoding) for line in content) + r"\par")
    return "\n".join(out) + "\n}\n"
