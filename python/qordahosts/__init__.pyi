import datetime
import enum
import ftplib
from collections.abc import Iterable, Iterator
from typing import Literal, NamedTuple, SupportsIndex, final, overload

__version__: str

_ChosenBy = Literal["given", "greeting", "syst", "guessed", "auto"]

class Kind(enum.IntEnum):
    UNSTATED = 0
    FILE = 1
    LINK = 2
    DIRECTORY = 4
    OBJECT = 16

class HostType(enum.IntEnum):
    """The library's 73 host types; members are named after the C header's
    HOST_ constants and are their ids. .label is the display name."""

    @property
    def label(self) -> str: ...
    AUTO = 6000
    CHAMELEON = 6001
    FTP_PC_TCP = 6002
    IBM_PC_TCP_IP = 6003
    IBM_VM = 6004
    QB7Q_NOS = 6005
    NCSA_CUTCP = 6006
    SI_NT_FTPD = 6007
    SUPER_TCP = 6008
    UNISYS_5000_EXOS = 6009
    UNIX_STANDARD = 6010
    VMS_MULTINET = 6011
    VMS_UCX = 6012
    QVT_NET_2_3 = 6013
    MAC_NCSA = 6014
    MAC_MORVO_SERVER = 6015
    MICROSOFT_NT = 6016
    IBM_AS_400 = 6017
    IBM_MVS = 6018
    PDP11_RSX11M = 6019
    SUN_SOLARIS = 6020
    OS_9 = 6021
    LUMBRIX = 6022
    BULL_GCOS = 6023
    IBM_MVS_KNET = 6024
    AMIGA = 6025
    CDC_CYBER = 6026
    IBM_R1000 = 6027
    BULL_CP6 = 6028
    IBM_SPARTACUS_KNET = 6029
    TANDEM = 6030
    STRATUS_VOS = 6031
    HP_3000 = 6032
    SERV_U = 6033
    WFTPD = 6034
    NETWARE_V4 = 6035
    PCNFS_PRO = 6036
    TGV_MULTINET = 6037
    FTP_PC_TCP_3_0 = 6038
    QVT_NET_4_0 = 6039
    MAC_VERSATERM = 6040
    HELLSOFT = 6041
    IBM_OS2_WARP = 6042
    PRIMOS = 6043
    OS2200 = 6044
    UNITREE = 6045
    QNX2 = 6046
    WARFTPD = 6047
    IBM_OS2 = 6048
    MUSIC = 6049
    AOS_VS = 6050
    PASSPORT_160 = 6051
    GCOS_6_HVS_OS = 6052
    NOVELL_LWP = 6053
    REFLECTION = 6054
    AMOS_TCP_IP = 6055
    UNISYS_A_SERIES = 6056
    VXWORKS = 6057
    GCOS_6_HVS_AIX = 6058
    MLSD = 6059
    OS_9000 = 6060
    IBM_AS_400_MM_DD_YY = 6061
    IBM_MVS_C_SERVER = 6062
    ACI = 6063
    TANDEM_G = 6064
    HUMMINGBIRD = 6065
    QORDA_SERVER = 6066
    IBM_AS_400_DD_MM_YY = 6067
    CONNECT_ENTERPRISE = 6068
    CARROX_DMZ = 6069
    SECURETRANSPORT = 6070
    MICROSOFT_IIS = 6071
    APACHE = 6072

# A host type as the functions take it: a member, an id (5995, the plain
# name list, has no member), or a str: an id, a label or a member name.
_HostTypeArgument = HostType | int | str

@final
class Entry:
    """One entry of a listing, immutable and picklable."""

    @property
    def name(self) -> str:
        """Decoded with the listing's encoding and "surrogateescape"."""
    @property
    def raw_name(self) -> bytes:
        """The name's bytes as the server sent them."""
    @property
    def size(self) -> int:
        """Bytes as the listing states them; 0 when unknown."""
    @property
    def kind(self) -> Kind: ...
    @property
    def is_dir(self) -> bool: ...
    @property
    def is_link(self) -> bool: ...
    @property
    def mode(self) -> int | None:
        """Unix permission bits, or None when the line gives none."""
    @property
    def mtime(self) -> datetime.datetime | datetime.date | None:
        """Naive, in the server's time (aware, UTC, for MLSD); a date when the
        listing gives no time of day; None when the date is unknown."""
    @property
    def year_inferred(self) -> bool:
        """The listing gave a time of day and no year: the year comes from
        this machine's clock."""
    @property
    def year(self) -> int: ...
    @property
    def month(self) -> int: ...
    @property
    def day(self) -> int: ...
    @property
    def hour(self) -> int: ...
    @property
    def minute(self) -> int: ...
    @property
    def second(self) -> int: ...

class Listing:
    """Entries with the host type they were decoded with. From bytes or str
    it holds them all; from a file or an iterable it decodes lazily, in
    chunks, as it is iterated (once), and has no len() or indexing; pickling
    reads the rest."""

    host_type: HostType | int
    chosen_by: _ChosenBy
    encoding: str
    guess: Guess | None
    """The ranked candidates when the host type was guessed or a guess was tried."""
    def __iter__(self) -> Iterator[Entry]: ...
    def __len__(self) -> int: ...
    @overload
    def __getitem__(self, index: SupportsIndex) -> Entry: ...
    @overload
    def __getitem__(self, index: slice) -> list[Entry]: ...

class Candidate(NamedTuple):
    """How one host type reads a listing's first lines."""

    host_type: HostType | int
    score: int
    """0 to 1000: how much of the lines its records explain."""
    lines_read: int
    entries: int
    lines_tried: int
    same_records_as: HostType | int | None

class Guess(list[Candidate]):
    """The candidates, best first, and the outcome of the guess."""

    host_type: HostType | int
    """The best candidate's host type, or AUTO when none reads the lines well."""
    verdict: Literal["clear", "close", "names only", "none"]
    lines_sampled: int
    tied: tuple[HostType | int, ...]
    """Host types that decode the lines to the same records as the guess."""
    runner_up: Candidate | None
    current: Candidate
    """How the host type passed as current reads the lines."""

def guess_host_type(
    lines: bytes | bytearray | memoryview | str | Iterable[str | bytes],
    current: _HostTypeArgument = ...,
    *,
    encoding: str = "utf-8",
) -> Guess:
    """Which host type wrote a listing, from its first 64 lines (16 KB at most).
    Keeps nothing: decoding afterwards is as if no guess had been made."""

def decode_line(
    line: str | bytes,
    host_type: _HostTypeArgument,
    cwd: str | bytes = "",
    prefix: str | bytes = "",
    *,
    encoding: str = "latin-1",
) -> Entry | None:
    """One LIST line; None when it is no entry. A str is encoded in
    `encoding` (latin-1 keeps every byte)."""

def decode_listing(
    data: bytes | bytearray | memoryview | str | Iterable[str | bytes],
    host_type: _HostTypeArgument | None = None,
    *,
    syst: str | bytes | None = None,
    greeting: str | bytes | None = None,
    encoding: str = "utf-8",
    cwd: str | bytes = "",
    prefix: str | bytes = "",
) -> Listing:
    """A LIST reply; the host type is given, or detected from the greeting
    and then the SYST reply, or guessed from the first lines, or AUTO."""

def detect_from_syst(reply: str | bytes, current: _HostTypeArgument = ...) -> HostType | int: ...
def detect_from_greeting(text: str | bytes, current: _HostTypeArgument = ...) -> HostType | int: ...
def host_types() -> list[HostType]: ...
def list_ftp(ftp: ftplib.FTP, path: str = "", *, mlsd: bool = False) -> Listing:
    """Lists path on a connected ftplib.FTP or FTP_TLS, host type detected
    from its greeting and SYST reply (or guessed from the listing), and
    decodes the reply."""
